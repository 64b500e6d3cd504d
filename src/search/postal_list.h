#pragma once
// The national list as the postal search reads it: plain or zipped, in Shift-JIS or in the
// UTF-8 edition, each told by its content rather than its name.

#include <memory>
#include <string_view>

#include "common/bytes.h"
#include "common/text_reader.h"

namespace nanbaru {

class ZipArchive;

enum class ListEncoding { kShiftJis, kUtf8 };

// Takes the data file at `path` as the host opened it; a zip archive gives way to its list's
// member: the one named KEN_ALL.CSV or utf_ken_all.csv in any case, else the only .csv member.
// Throws AppError with a message for the user when the archive is damaged or encrypted, or
// holds no such member or several CSV files, and InOutError when it cannot be read. A plain
// file's read error is left to its first read by the scan.
std::unique_ptr<TextReader> OpenListMember(std::unique_ptr<TextReader> file, const Bytes& path);

// Which member of an open archive is the national list, by the rule above. Throws AppError
// when there is none or more than one, or when it is encrypted.
std::size_t ListMemberIndex(const ZipArchive& archive);

// Tells the encoding of the list from its first lines and leaves the reader at the first line,
// past a UTF-8 byte-order mark. Throws InOutError on a read error.
ListEncoding TakeListEncoding(TextReader& list);

// True when the first bytes of a text read as UTF-8 rather than Shift-JIS: well-formed UTF-8
// sequences outnumber the bytes that start none. Shift-JIS Japanese is almost nothing but the
// latter; a few damaged bytes in a UTF-8 file do not change its kind.
bool LooksLikeUtf8(std::string_view head);

}  // namespace nanbaru
