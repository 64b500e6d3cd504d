#pragma once
// The postal search (the postal search button's handler, without the window).

#include "search/search_host.h"

namespace nanbaru {

// Runs one postal search through the host. Errors that end the scan (a bad old code, a read
// error) are rethrown after the file is closed and the busy colour is given back.
void SpeedButton5Click(SearchHost& host);

}  // namespace nanbaru
