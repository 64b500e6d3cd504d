#pragma once
// Byte strings: every text of the system is Shift-JIS bytes. Positions are 1-based and
// lengths count bytes, so a full-width character is two bytes.

#include <string>
#include <string_view>

namespace nanbaru {

using Bytes = std::string;

// 1-based position of the first byte-wise occurrence of `pattern` in `text`, 0 when there is
// none. An empty pattern is never found and nothing is found in an empty text.
int Pos(std::string_view pattern, std::string_view text);
bool Contains(std::string_view text, std::string_view pattern);

// A piece from 1-based `start`, never reading past either end: a start past the end or a
// length of zero or less gives the empty text; a length past the end stops at the end.
Bytes Copy(std::string_view text, int start, int length);
// Removes a piece; a length of zero or less, or a start outside the text, changes nothing.
void Delete(Bytes& text, int start, int length);
// Inserts `piece` before 1-based `position`; a position past the end appends.
void Insert(std::string_view piece, Bytes& text, int position);

// Removes bytes 0x00 to 0x20 from both ends. The ideographic space (0x81 0x40) stays.
Bytes Trim(std::string_view text);

}  // namespace nanbaru
