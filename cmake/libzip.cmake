# The zip reader behind nanbaru_common: with NANBARU_ZIP, libzip reads the national list
# straight from its archive; without it (the Windows cross build has no libzip), the reader
# says that archives cannot be read. libzip is loaded when the first archive is opened, by the
# name its development link points to (libzip.so.4 on Debian 12), so that searches of a plain
# list never load it. PkgConfig::LIBZIP is there for the tests that write archives.
#   nanbaru_add_zip_reader(<target>)

# The zip reader's sources.
set(NANBARU_ZIP_SOURCE_DIR ${CMAKE_SOURCE_DIR}/src/platform/zip)

if(NANBARU_ZIP)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
  list(GET LIBZIP_LINK_LIBRARIES 0 NANBARU_LIBZIP_SONAME)
  if(IS_SYMLINK ${NANBARU_LIBZIP_SONAME})
    file(READ_SYMLINK ${NANBARU_LIBZIP_SONAME} NANBARU_LIBZIP_SONAME)
  endif()
  get_filename_component(NANBARU_LIBZIP_SONAME ${NANBARU_LIBZIP_SONAME} NAME)
endif()

function(nanbaru_add_zip_reader target)
  if(NOT NANBARU_ZIP)
    target_sources(${target} PRIVATE ${NANBARU_ZIP_SOURCE_DIR}/zip_archive_absent.cpp)
    return()
  endif()
  set(loader ${NANBARU_ZIP_SOURCE_DIR}/libzip_dlopen.cpp)
  target_sources(${target} PRIVATE ${NANBARU_ZIP_SOURCE_DIR}/zip_archive_libzip.cpp ${loader})
  set_source_files_properties(${loader} PROPERTIES
    COMPILE_DEFINITIONS NANBARU_LIBZIP_SONAME="${NANBARU_LIBZIP_SONAME}")
  target_include_directories(${target} PRIVATE ${LIBZIP_INCLUDE_DIRS})
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
endfunction()
