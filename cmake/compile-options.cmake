# How every file is compiled: through ccache where it is installed, with the project's warnings
# (errors under NANBARU_WERROR, which the presets turn on), and instrumented for the sanitizers
# or for libFuzzer when a build asks for them.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

set(NANBARU_WARNINGS -Wall -Wextra -Wpedantic)
if(NANBARU_WERROR)
  list(APPEND NANBARU_WARNINGS -Werror)
endif()
if(NANBARU_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
if(NANBARU_FUZZ)
  # Every file is instrumented for libFuzzer's coverage; only the targets link its driver.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Off Windows the command links the C++ runtime into itself, and only the parts of it that it
# calls: loading and relocating the shared runtime took about a millisecond of each start, and
# the unused parts of the static one 0.3 ms more (2,500 relocations), of a whole search of the
# national list that now takes about five.
set(NANBARU_COMMAND_LINK_OPTIONS "")
if(NOT WIN32 AND NOT NANBARU_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(NANBARU_COMMAND_LINK_OPTIONS -static-libstdc++ -static-libgcc -Wl,--gc-sections)
endif()
