# Icon and version information for a program: nanbaru_windows_resources(target description).
function(nanbaru_windows_resources target description)
  set(NANBARU_PROGRAM ${target})
  set(NANBARU_DESCRIPTION ${description})
  set(NANBARU_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/nanbaru.ico)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/nanbaru.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
