#pragma once
// The lists the postal searches read, plain or zipped: the national list, in Shift-JIS or in
// the UTF-8 edition, and the business-office list; each told by its content, not its name.

#include <memory>
#include <string_view>

#include "common/bytes.h"
#include "common/text_reader.h"
#include "search/search_host.h"

namespace nanbaru {

class ZipArchive;

enum class ListEncoding { kShiftJis, kUtf8 };
enum class ListKind { kNational, kOffice };

// Takes the data file at `path` as the host opened it; a zip archive gives way to its list's
// member: the one the kind names (KEN_ALL.CSV or utf_ken_all.csv, JIGYOSYO.CSV) in any case,
// else the only .csv member. Throws AppError with a message for the user when the archive is
// damaged or encrypted, or holds no such member or several CSV files, and InOutError when it
// cannot be read. A plain file's read error is left to its first read by the scan.
std::unique_ptr<TextReader> OpenListMember(std::unique_ptr<TextReader> file, const Bytes& path,
                                           ListKind kind);

// Tells from its first record whether the list at `path` is of `kind`; throws AppError with a
// message for the user when it is the other list, or, for the office list, of no known
// layout. Consumes nothing; a read error is left to the scan.
void CheckListKind(TextReader& list, const Bytes& path, ListKind kind);

// True when the data file at `path` is the business-office list; false also when it cannot
// be opened or read.
bool HoldsOfficeList(SearchHost& host, const Bytes& path);

// Which member of an open archive is the list of `kind`, by the rule above. Throws AppError
// when there is none or more than one, or when it is encrypted.
std::size_t ListMemberIndex(const ZipArchive& archive, ListKind kind = ListKind::kNational);

// Tells the encoding of the list from its first lines and leaves the reader at the first line,
// past a UTF-8 byte-order mark. Throws InOutError on a read error.
ListEncoding TakeListEncoding(TextReader& list);

// True when the first bytes of a text read as UTF-8 rather than Shift-JIS: well-formed UTF-8
// sequences outnumber the bytes that start none. Shift-JIS Japanese is almost nothing but the
// latter; a few damaged bytes in a UTF-8 file do not change its kind.
bool LooksLikeUtf8(std::string_view head);

}  // namespace nanbaru
