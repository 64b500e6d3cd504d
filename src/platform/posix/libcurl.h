#pragma once
// The libcurl functions the download calls, gathered in one table. libcurl is loaded at the
// first download: linked in, it and the libraries it needs would add more to every start of
// the headless command than a whole search of the plain list takes.

#include <curl/curl.h>

namespace nanbaru {

struct LibCurl {
  decltype(curl_easy_init)* easy_init;
  decltype(curl_easy_setopt)* easy_setopt;
  decltype(curl_easy_perform)* easy_perform;
  decltype(curl_easy_getinfo)* easy_getinfo;
  decltype(curl_easy_cleanup)* easy_cleanup;
  decltype(curl_easy_strerror)* easy_strerror;
};

// The bound functions, the library initialised once; throws AppError with a message for the
// user when the library cannot be had.
const LibCurl& LibCurlFunctions();

}  // namespace nanbaru
