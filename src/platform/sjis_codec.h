#pragma once
// Conversion between Shift-JIS bytes (code page 932) and Unicode, used only at the screen,
// clipboard, terminal and file-name boundaries, the same on every platform. Bytes that are
// not valid Shift-JIS become U+FFFD; Unicode that Shift-JIS cannot hold becomes "?", apart
// from a few best fits such as U+2212 MINUS SIGN to the full-width minus.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

std::u16string SjisToUtf16(std::string_view sjis);
Bytes Utf16ToSjis(std::u16string_view text);
std::string SjisToUtf8(std::string_view sjis);
// The same conversion for a text of any length, handed to `sink` in pieces made from at most
// `piece_units` UTF-16 units (a few megabytes by default) as it goes; no character is split
// between two pieces.
inline constexpr std::size_t kUtf8PieceUnits = std::size_t{1} << 20;
void SjisToUtf8Pieces(std::string_view sjis, const std::function<void(std::string_view)>& sink,
                      std::size_t piece_units = kUtf8PieceUnits);
Bytes Utf8ToSjis(std::string_view utf8);

// For text from a UTF-8 file: false when the bytes are not well-formed UTF-8; characters
// Shift-JIS lacks take their best fit or "?", as in Utf8ToSjis.
bool Utf8ToSjisChecked(std::string_view utf8, Bytes& out);

// Strict variants for file names: nothing may be replaced, since a replaced byte would name
// another file. They return false when the text does not convert exactly.
bool SjisToUtf8Exact(std::string_view sjis, std::string& out);
bool Utf8ToSjisExact(std::string_view utf8, Bytes& out);
bool SjisToUtf16Exact(std::string_view sjis, std::u16string& out);
bool Utf16ToSjisExact(std::u16string_view text, Bytes& out);

// How many characters of `text` Utf16ToSjis cannot hold, each of which it turns into "?" or
// drops.
std::size_t CountUnheld(std::u16string_view text);

// The system's own fixed texts are written as UTF-8 in the sources; this gives their bytes.
inline Bytes Sj(std::string_view utf8) {
  return Utf8ToSjis(utf8);
}

}  // namespace nanbaru
