#include "platform/posix/libcurl.h"

#include <dlfcn.h>

#include "platform/errors.h"
#include "platform/posix/library_symbols.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// Null when the library, one of its functions or its set-up is missing.
const LibCurl* LoadLibCurl() {
  static const LibCurl* const loaded = []() -> const LibCurl* {
    void* library = dlopen(NANBARU_LIBCURL_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static LibCurl lib;
    decltype(curl_global_init)* global_init = nullptr;
    const bool bound = BindSymbol(library, "curl_global_init", global_init) &&
                       BindSymbol(library, "curl_easy_init", lib.easy_init) &&
                       BindSymbol(library, "curl_easy_setopt", lib.easy_setopt) &&
                       BindSymbol(library, "curl_easy_perform", lib.easy_perform) &&
                       BindSymbol(library, "curl_easy_getinfo", lib.easy_getinfo) &&
                       BindSymbol(library, "curl_easy_cleanup", lib.easy_cleanup) &&
                       BindSymbol(library, "curl_easy_strerror", lib.easy_strerror);
    // Set up once, before any transfer, as libcurl asks.
    return bound && global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK ? &lib : nullptr;
  }();
  return loaded;
}

}  // namespace

const LibCurl& LibCurlFunctions() {
  const LibCurl* lib = LoadLibCurl();
  if (lib == nullptr) {
    throw AppError(Sj("ダウンロードに使うlibcurl（" NANBARU_LIBCURL_SONAME "）が見つかりません"));
  }
  return *lib;
}

}  // namespace nanbaru
