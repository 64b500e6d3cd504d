# The download behind nanbaru_common (src/platform/download.h). On Windows it is WinHTTP, part
# of the system. Elsewhere it is libcurl, loaded at the first download by its SONAME, so that
# searches never load it and the libraries it needs; the Debian package then has to name
# libcurl's runtime package itself (NANBARU_DOWNLOAD_DEPENDS), found from the library the
# build sees, with the certificate store HTTPS is checked against.
#   nanbaru_add_downloader(<target>)

if(NOT WIN32)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(LIBCURL REQUIRED libcurl)
  find_library(NANBARU_LIBCURL_FILE NAMES curl HINTS ${LIBCURL_LIBRARY_DIRS} REQUIRED)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${NANBARU_LIBCURL_FILE}
                  OUTPUT_VARIABLE libcurl_headers COMMAND_ERROR_IS_FATAL ANY)
  if(NOT libcurl_headers MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "No SONAME in ${NANBARU_LIBCURL_FILE}")
  endif()
  set(NANBARU_LIBCURL_SONAME ${CMAKE_MATCH_1})
  file(REAL_PATH ${NANBARU_LIBCURL_FILE} libcurl_real)
  execute_process(COMMAND dpkg-query -S ${libcurl_real} OUTPUT_VARIABLE libcurl_owner
                  ERROR_QUIET RESULT_VARIABLE libcurl_not_owned)
  set(NANBARU_DOWNLOAD_DEPENDS ca-certificates)
  if(libcurl_not_owned EQUAL 0 AND libcurl_owner MATCHES "^([^:]+)")
    string(PREPEND NANBARU_DOWNLOAD_DEPENDS "${CMAKE_MATCH_1}, ")
  endif()
endif()

function(nanbaru_add_downloader target)
  if(WIN32)
    target_link_libraries(${target} PUBLIC winhttp)
    return()
  endif()
  set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/posix/libcurl.cpp PROPERTIES
    COMPILE_DEFINITIONS NANBARU_LIBCURL_SONAME="${NANBARU_LIBCURL_SONAME}")
  target_include_directories(${target} PRIVATE ${LIBCURL_INCLUDE_DIRS})
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
endfunction()
