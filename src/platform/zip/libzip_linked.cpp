// libzip linked into the program, as on Windows, where it is built in statically.

#include "platform/zip/libzip_functions.h"

namespace nanbaru {

const LibZip& LibZipFunctions() {
  static const LibZip lib = {zip_open,
                             zip_discard,
                             zip_get_num_entries,
                             zip_get_error,
                             zip_stat_index,
                             zip_fopen_index,
                             zip_fread,
                             zip_fclose,
                             zip_file_get_error,
                             zip_error_init_with_code,
                             zip_error_fini,
                             zip_error_system_type,
                             zip_error_code_system,
                             zip_error_code_zip,
                             zip_error_strerror,
                             zip_error_init,
                             zip_source_buffer_create,
                             zip_source_free,
                             zip_open_from_source};
  return lib;
}

}  // namespace nanbaru
