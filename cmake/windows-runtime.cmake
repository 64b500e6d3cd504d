# What the window needs beside it on Windows, gathered as Qt's deployment tool would (it is
# not available here): Qt's libraries, the platform and style plugins in their folders, the
# runtime of the compiler Qt was built with, and the Japanese text of Qt's own dialogs.
# Each entry is "file|folder" (cmake/place-files.cmake). Elsewhere the package's dependencies
# bring all this.
if(NOT WIN32)
  return()
endif()
set(NANBARU_WINDOWS_RUNTIME
    "$<TARGET_FILE:Qt6::Core>|." "$<TARGET_FILE:Qt6::Gui>|." "$<TARGET_FILE:Qt6::Widgets>|."
    "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>|platforms"
    "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>|styles")
set(NANBARU_COMPILER_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
foreach(dll ${NANBARU_COMPILER_DLLS})
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  cmake_path(NORMAL_PATH path)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "The compiler's ${dll} was not found")
  endif()
  list(APPEND NANBARU_WINDOWS_RUNTIME "${path}|.")
endforeach()
find_file(NANBARU_QTBASE_JA qtbase_ja.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
list(APPEND NANBARU_WINDOWS_RUNTIME "${NANBARU_QTBASE_JA}|translations")

# The build's program folder gets them too (and the test library), so that the window and
# its tests run from there.
nanbaru_place_files(COPY windows_runtime ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
                    ${NANBARU_WINDOWS_RUNTIME} "$<TARGET_FILE:Qt6::Test>|.")
