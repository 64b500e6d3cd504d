#pragma once
// The code boxes as a source of the postal query.

#include "search/search_host.h"

namespace nanbaru {

// A code in the new-code box, and above all one in the old-code box, replaces the query; the
// old code also empties the new-code box.
void TakeCodeFromBoxes(SearchHost& host);

}  // namespace nanbaru
