# Libraries cross-built for Windows once and reused by every Windows build, and the fresh
# Debian the package check installs the package into, kept outside the work tree because
# making them takes long: each under one root, unless its environment variable names another
# place.
#   nanbaru_windows_cache(<out-var> <name>)          in CMake
#   cmake -P cmake/windows-caches.cmake <name>        prints the folder, for the scripts
set(NANBARU_WINDOWS_CACHE_ROOT /var/cache/nanbaru)
# Each cache: its folder (or file) under the root, and the environment variable that overrides
# it.
set(NANBARU_WINDOWS_CACHE_qt qt6-mingw NANBARU_QT_WIN_CACHE)
set(NANBARU_WINDOWS_CACHE_libzip libzip-mingw NANBARU_LIBZIP_WIN_CACHE)
# A minimal Debian 12 (mmdebstrap --variant=apt) as a tarball.
set(NANBARU_WINDOWS_CACHE_bookworm bookworm-apt.tar NANBARU_BOOKWORM_CACHE)

function(nanbaru_windows_cache out name)
  if(NOT DEFINED NANBARU_WINDOWS_CACHE_${name})
    message(FATAL_ERROR "No Windows cache is named '${name}'")
  endif()
  list(GET NANBARU_WINDOWS_CACHE_${name} 0 folder)
  list(GET NANBARU_WINDOWS_CACHE_${name} 1 variable)
  if("$ENV{${variable}}" STREQUAL "")
    set(${out} ${NANBARU_WINDOWS_CACHE_ROOT}/${folder} PARENT_SCOPE)
  else()
    set(${out} $ENV{${variable}} PARENT_SCOPE)
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  nanbaru_windows_cache(folder "${CMAKE_ARGV3}")
  # message() writes to standard error; the scripts read standard output.
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${folder}")
endif()
