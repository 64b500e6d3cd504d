# Files a program needs beside it, each given as "file|folder", the folder relative to the
# program's (the file may be a generator expression). One list serves both the install and the
# build's own program folder:
#   nanbaru_place_files(INSTALL <entry>...)                     install rules
#   nanbaru_place_files(COPY <target> <folder> <entry>...)      a target copying them there
function(nanbaru_place_files how)
  if(how STREQUAL COPY)
    list(POP_FRONT ARGN target root)
  elseif(NOT how STREQUAL INSTALL)
    message(FATAL_ERROR "nanbaru_place_files: INSTALL or COPY, not ${how}")
  endif()
  set(copies)
  foreach(entry ${ARGN})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 file)
    list(GET parts 1 folder)
    if(how STREQUAL INSTALL)
      install(FILES ${file} DESTINATION ${folder})
    else()
      list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${root}/${folder}
           COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${root}/${folder}/)
    endif()
  endforeach()
  if(how STREQUAL COPY)
    add_custom_target(${target} ALL ${copies} VERBATIM)
  endif()
endfunction()
