#pragma once
// The line-by-line part of the postal searches: which lines of the list are listed and where
// the scan stops.

#include "common/text_reader.h"
#include "search/postal_list.h"
#include "search/search_host.h"
#include "search/search_key.h"

namespace nanbaru {

inline constexpr int kPostalResultLimit = 700;

// Reads the data file from the current position until the scan ends, appending a result
// line for each listed line and the lines that end the scan early. Returns the count of
// listed lines. SearchText and the prefecture box are taken once, when the scan begins, so
// edits made while it lets events run apply to the next search; lines without the key are
// passed over in bulk, in steps small enough to keep the window live. A UTF-8 list is matched in
// UTF-8 (the key and the prefecture box converted, so only whole characters match) and a listed
// line is converted to Shift-JIS before it is formatted; a listed line that is not well-formed
// UTF-8 ends the scan with an AppError.
int ScanPostalFile(SearchHost& host, TextReader& reader, KeyKind kind, ListEncoding encoding);

// The same scan over the business-office list (Shift-JIS): a seven-digit code lists every
// office that has it, a non-empty `reading` (FoldReading) also lists the lines whose reading
// column holds it, and a listed line of another layout ends the scan with an AppError.
int ScanOfficeFile(SearchHost& host, TextReader& reader, KeyKind kind, const Bytes& reading);

}  // namespace nanbaru
