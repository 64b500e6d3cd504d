#pragma once
// Which search a key press in the query box starts.

#include "search/search_host.h"

namespace nanbaru {

inline constexpr char kEnterKey = '\r';

// A key typed in the query box: Enter starts the search of the current mode. The key itself
// is never changed, so it always goes on to the box.
void HandleQueryKey(SearchHost& host, char key);

}  // namespace nanbaru
