#pragma once
// The area-code search: the area-code file scanned for the query.

#include "search/search_host.h"

namespace nanbaru {

// Runs one area-code search through the host. Errors are rethrown after the file is closed
// and the busy colour is given back.
void RunAreaSearch(SearchHost& host);

}  // namespace nanbaru
