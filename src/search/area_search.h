#pragma once
// The area-code search (the phone-mode search button's handler, without the window).

#include "search/search_host.h"

namespace nanbaru {

// Runs one area-code search through the host. Errors are rethrown after the file is closed
// and the busy colour is given back.
void SpeedButton2Click(SearchHost& host);

}  // namespace nanbaru
