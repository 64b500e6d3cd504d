# Icon and version information for a program on Windows: nanbaru_windows_resources(target
# description). Elsewhere the icon comes with the desktop entry, and this does nothing.
function(nanbaru_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(NANBARU_PROGRAM ${target})
  set(NANBARU_DESCRIPTION ${description})
  set(NANBARU_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/nanbaru.ico)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/nanbaru.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
