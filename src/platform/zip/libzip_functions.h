#pragma once
// The libzip functions the archive reader calls, gathered in one table so that how the library
// is bound is a small part of its own.

#include <zip.h>

namespace nanbaru {

struct LibZip {
  decltype(zip_open)* open;
  decltype(zip_discard)* discard;
  decltype(zip_get_num_entries)* get_num_entries;
  decltype(zip_get_error)* get_error;
  decltype(zip_stat_index)* stat_index;
  decltype(zip_fopen_index)* fopen_index;
  decltype(zip_fread)* fread;
  decltype(zip_fclose)* fclose;
  decltype(zip_file_get_error)* file_get_error;
  decltype(zip_error_init_with_code)* error_init_with_code;
  decltype(zip_error_fini)* error_fini;
  decltype(zip_error_system_type)* error_system_type;
  decltype(zip_error_code_system)* error_code_system;
  decltype(zip_error_code_zip)* error_code_zip;
  decltype(zip_error_strerror)* error_strerror;
  decltype(zip_error_init)* error_init;
  decltype(zip_source_buffer_create)* source_buffer_create;
  decltype(zip_source_free)* source_free;
  decltype(zip_open_from_source)* open_from_source;
};

// The bound functions; throws AppError with a message for the user when the library cannot
// be had.
const LibZip& LibZipFunctions();

}  // namespace nanbaru
