#pragma once
// The postal searches: the national list, or the business-office list, scanned for the query,
// the code boxes and the prefecture.

#include "search/search_host.h"

namespace nanbaru {

// Runs one postal search through the host. Errors that end the scan (a bad old code, a read
// error) are rethrown after the file is closed and the busy colour is given back.
void RunPostalSearch(SearchHost& host);

// The same search over the business-office list: each office found is one line with its code,
// address and name; a query in kana also finds offices by their reading.
void RunOfficeSearch(SearchHost& host);

// The search of the list the window is on: the office list in office mode, else the national
// list.
void RunListSearch(SearchHost& host);

}  // namespace nanbaru
