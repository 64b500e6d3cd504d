# The zip reader behind nanbaru_common: with NANBARU_ZIP, libzip reads the national list
# straight from its archive; without it, the reader says that archives cannot be read.
#
# On Linux, libzip is loaded when the first archive is opened, by the name its development
# link points to (libzip.so.4 on Debian 12), so that searches of a plain list never load it:
# linked in, it and the libraries it needs (a crypto library among them) double the command's
# start (hyperfine, `nanbaru-search area 0289`: 17.5 ms against 8.9 ms at best). No automatic
# scan sees a library loaded so, hence NANBARU_LIBZIP_DEPENDS: the Debian dependency that
# libzip's own package declares for it ("libzip4 (>= 1.7.3)"), empty when no package holds
# the library found.
# On Windows, libzip is linked in statically, built from Debian's source with Debian's zlib for
# mingw into its cache by scripts/build-libzip-windows.sh.
#
# nanbaru_libzip is libzip to link against, for the tests that write archives.
#   nanbaru_add_zip_reader(<target>)

# The zip reader's sources.
set(NANBARU_ZIP_SOURCE_DIR ${CMAKE_SOURCE_DIR}/src/platform/zip)

if(NANBARU_ZIP AND WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows-caches.cmake)
  nanbaru_windows_cache(libzip_cache libzip)
  set(NANBARU_LIBZIP_WIN ${libzip_cache} CACHE PATH
      "libzip for Windows, as scripts/build-libzip-windows.sh installs it")
  if(NOT EXISTS ${NANBARU_LIBZIP_WIN}/lib/libzip.a)
    message(FATAL_ERROR "No libzip for Windows in ${NANBARU_LIBZIP_WIN}: "
                        "scripts/build-libzip-windows.sh builds it")
  endif()
  find_library(NANBARU_ZLIB_STATIC libz.a REQUIRED)
  add_library(nanbaru_libzip INTERFACE)
  target_include_directories(nanbaru_libzip SYSTEM INTERFACE ${NANBARU_LIBZIP_WIN}/include)
  target_compile_definitions(nanbaru_libzip INTERFACE ZIP_STATIC)
  target_link_libraries(nanbaru_libzip INTERFACE
    ${NANBARU_LIBZIP_WIN}/lib/libzip.a ${NANBARU_ZLIB_STATIC} advapi32)
elseif(NANBARU_ZIP)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
  add_library(nanbaru_libzip ALIAS PkgConfig::LIBZIP)
  list(GET LIBZIP_LINK_LIBRARIES 0 libzip_link)
  if(IS_SYMLINK ${libzip_link})
    file(READ_SYMLINK ${libzip_link} NANBARU_LIBZIP_SONAME)
  else()
    set(NANBARU_LIBZIP_SONAME ${libzip_link})
  endif()
  get_filename_component(NANBARU_LIBZIP_SONAME ${NANBARU_LIBZIP_SONAME} NAME)
  # The package that installed the library loaded, and what it says a user of it depends on.
  get_filename_component(libzip_dir ${libzip_link} DIRECTORY)
  execute_process(COMMAND dpkg-query -S ${libzip_dir}/${NANBARU_LIBZIP_SONAME}
                  OUTPUT_VARIABLE owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE ":.*" "" libzip_package "${owner}")
  set(NANBARU_LIBZIP_DEPENDS "")
  if(libzip_package)
    execute_process(COMMAND dpkg-query --control-show ${libzip_package} shlibs
                    OUTPUT_VARIABLE shlibs ERROR_QUIET)
    string(REGEX MATCH "^([^.]+)\\.so\\.([^.]+)" soname "${NANBARU_LIBZIP_SONAME}")
    if("\n${shlibs}" MATCHES "\n${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ([^\n]+)")
      set(NANBARU_LIBZIP_DEPENDS "${CMAKE_MATCH_1}")
    endif()
  endif()
endif()

function(nanbaru_add_zip_reader target)
  if(NOT NANBARU_ZIP)
    target_sources(${target} PRIVATE ${NANBARU_ZIP_SOURCE_DIR}/zip_archive_absent.cpp)
    return()
  endif()
  target_sources(${target} PRIVATE ${NANBARU_ZIP_SOURCE_DIR}/zip_archive_libzip.cpp)
  if(WIN32)
    target_sources(${target} PRIVATE ${NANBARU_ZIP_SOURCE_DIR}/libzip_linked.cpp)
    target_link_libraries(${target} PRIVATE nanbaru_libzip)
    return()
  endif()
  set(loader ${NANBARU_ZIP_SOURCE_DIR}/libzip_dlopen.cpp)
  target_sources(${target} PRIVATE ${loader})
  set_source_files_properties(${loader} PROPERTIES
    COMPILE_DEFINITIONS NANBARU_LIBZIP_SONAME="${NANBARU_LIBZIP_SONAME}")
  target_include_directories(${target} PRIVATE ${LIBZIP_INCLUDE_DIRS})
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
endfunction()
