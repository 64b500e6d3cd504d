#pragma once
// Turning full-width digits (and, for the postal search, dashes) of the query box into ASCII,
// one first occurrence per call, directly in the box.

#include <string_view>

#include "search/search_host.h"

namespace nanbaru {

// Replaces the first byte-wise occurrence of `from` (one double-byte character) in the query
// box text by `to`; the box is written only when there is one.
void ReplaceFirstInQuery(SearchHost& host, std::string_view from, std::string_view to);

// Postal search: 8 passes of "０".."９", "－", "ー" (12 calls a pass).
void NormalisePostalQuery(SearchHost& host);
// Area-code search: 3 passes of "０".."９" (10 calls a pass).
void NormaliseAreaQuery(SearchHost& host);

}  // namespace nanbaru
