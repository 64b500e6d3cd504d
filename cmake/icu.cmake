# ICU converts text between Shift-JIS, UTF-8 and UTF-16 off Windows; Windows converts with its
# own code pages and needs no ICU.
#
# The headless command can link ICU and the C++ runtime into itself (NANBARU_STATIC_CLI, where
# static ICU is at hand, not under the sanitizers). That saves two to four milliseconds of its
# start (hyperfine, `nanbaru-search area 0289`: 3.4 ms against 7.3 ms on average, 2.8 against
# 4.6 at best) at the price of 32 MB of ICU data in the program, while the window already needs
# the shared ICU; so by default the command uses the shared one, as a distribution ships it.
#
# NANBARU_ICU is what nanbaru_common links: the shared ICU, or the static one for a program
# given to nanbaru_link_icu_into().

# Links ICU and the C++ runtime into a program, where static ICU is at hand.
function(nanbaru_link_icu_into target)
  if(NANBARU_CLI_LINKS_ICU)
    set_target_properties(${target} PROPERTIES NANBARU_STATIC_ICU ON)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
endfunction()

set(NANBARU_ICU "")
set(NANBARU_CLI_LINKS_ICU OFF)
if(WIN32)
  return()
endif()

find_package(ICU REQUIRED COMPONENTS uc)
find_library(NANBARU_ICUUC_STATIC libicuuc.a)
find_library(NANBARU_ICUDATA_STATIC libicudata.a)
set(NANBARU_ICU ICU::uc)
if(NANBARU_STATIC_CLI AND NANBARU_ICUUC_STATIC AND NANBARU_ICUDATA_STATIC
   AND NOT NANBARU_SANITIZE AND NOT NANBARU_FUZZ)
  add_library(nanbaru_icu_static INTERFACE)
  target_include_directories(nanbaru_icu_static INTERFACE ${ICU_INCLUDE_DIRS})
  target_link_libraries(nanbaru_icu_static INTERFACE
    ${NANBARU_ICUUC_STATIC} ${NANBARU_ICUDATA_STATIC} ${CMAKE_DL_LIBS})
  set(NANBARU_ICU "$<IF:$<BOOL:$<TARGET_PROPERTY:NANBARU_STATIC_ICU>>,nanbaru_icu_static,ICU::uc>")
  set(NANBARU_CLI_LINKS_ICU ON)
endif()
