// libzip is loaded when the first archive is opened. Linked in, it and the libraries it needs
// (a crypto library among them) would add more to every start of the headless command than a
// whole search of the plain list takes.

#include <dlfcn.h>

#include "platform/errors.h"
#include "platform/posix/library_symbols.h"
#include "platform/sjis_codec.h"
#include "platform/zip/libzip_functions.h"

namespace nanbaru {

namespace {

// Null when the library or one of its functions is missing.
const LibZip* LoadLibZip() {
  static const LibZip* const loaded = []() -> const LibZip* {
    void* library = dlopen(NANBARU_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    static LibZip lib;
    const bool bound = BindSymbol(library, "zip_open", lib.open) &&
                       BindSymbol(library, "zip_discard", lib.discard) &&
                       BindSymbol(library, "zip_get_num_entries", lib.get_num_entries) &&
                       BindSymbol(library, "zip_get_error", lib.get_error) &&
                       BindSymbol(library, "zip_stat_index", lib.stat_index) &&
                       BindSymbol(library, "zip_fopen_index", lib.fopen_index) &&
                       BindSymbol(library, "zip_fread", lib.fread) &&
                       BindSymbol(library, "zip_fclose", lib.fclose) &&
                       BindSymbol(library, "zip_file_get_error", lib.file_get_error) &&
                       BindSymbol(library, "zip_error_init_with_code", lib.error_init_with_code) &&
                       BindSymbol(library, "zip_error_fini", lib.error_fini) &&
                       BindSymbol(library, "zip_error_system_type", lib.error_system_type) &&
                       BindSymbol(library, "zip_error_code_system", lib.error_code_system) &&
                       BindSymbol(library, "zip_error_code_zip", lib.error_code_zip) &&
                       BindSymbol(library, "zip_error_strerror", lib.error_strerror) &&
                       BindSymbol(library, "zip_error_init", lib.error_init) &&
                       BindSymbol(library, "zip_source_buffer_create", lib.source_buffer_create) &&
                       BindSymbol(library, "zip_source_free", lib.source_free) &&
                       BindSymbol(library, "zip_open_from_source", lib.open_from_source);
    return bound ? &lib : nullptr;
  }();
  return loaded;
}

}  // namespace

const LibZip& LibZipFunctions() {
  const LibZip* lib = LoadLibZip();
  if (lib == nullptr) {
    throw AppError(
        Sj("ZIPファイルを読むためのlibzip（" NANBARU_LIBZIP_SONAME "）が見つかりません"));
  }
  return *lib;
}

}  // namespace nanbaru
