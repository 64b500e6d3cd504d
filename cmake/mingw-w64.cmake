# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads variant, for
# std::thread), running the results under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NANBARU_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NANBARU_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NANBARU_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${NANBARU_MINGW}-windres)

# Libraries and headers come from the target's tree (and from the caches of libraries built
# for the target that cmake/windows.cmake adds to CMAKE_FIND_ROOT_PATH); programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${NANBARU_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and other built programs run through Wine, with a prefix of their own in the build.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
