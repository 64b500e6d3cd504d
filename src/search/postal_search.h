#pragma once
// The postal search: the national list scanned for the query, the code boxes and the prefecture.

#include "search/search_host.h"

namespace nanbaru {

// Runs one postal search through the host. Errors that end the scan (a bad old code, a read
// error) are rethrown after the file is closed and the busy colour is given back.
void RunPostalSearch(SearchHost& host);

}  // namespace nanbaru
