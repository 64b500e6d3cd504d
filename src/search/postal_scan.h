#pragma once
// The line-by-line part of the postal search: which lines of the data file are listed and
// where the scan stops.

#include "common/text_reader.h"
#include "search/postal_list.h"
#include "search/search_host.h"
#include "search/search_key.h"

namespace nanbaru {

inline constexpr int kPostalResultLimit = 700;

// Reads the data file from the current position until the scan ends, appending a result
// line for each listed line and the lines that end the scan early. Returns the count of
// listed lines. Every line is tested against SearchText and the prefecture box as they stand
// when it is tested; lines that cannot be listed are passed over in bulk where nothing can
// change them in between. A UTF-8 list is matched in UTF-8 (the key and the prefecture box
// converted, so only whole characters match) and a listed line is converted to Shift-JIS
// before it is formatted; a listed line that is not well-formed UTF-8 ends the scan with an
// AppError.
int ScanPostalFile(SearchHost& host, TextReader& reader, KeyKind kind, ListEncoding encoding);

}  // namespace nanbaru
