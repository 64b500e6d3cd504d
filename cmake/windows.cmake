# What building for Windows changes, natively or cross-compiled with cmake/mingw-w64.cmake: the
# platform code of src/platform/win32 on the wide-character API of Windows 10, programs that
# run without the compiler's libraries beside them, and one folder to install into. Cross
# compiled, the tests under Wine reach the host's files on drive Z:, and Qt comes from the
# cache scripts/build-qt-windows.sh fills. Included after the defaults it overrides.
set(NANBARU_PLATFORM win32)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
# For CommandLineToArgvW.
set(NANBARU_PLATFORM_LIBRARIES shell32)
# The command and the core tests run on their own, without the compiler's runtime libraries
# beside them; the window shares those of the Qt libraries it ships with.
set(NANBARU_STATIC_RUNTIME -static)
# The Windows edition is one folder, unpacked anywhere: programs, libraries and data side by
# side, and the folder the window starts in holds the files it reads there.
set(CMAKE_INSTALL_BINDIR .)
set(NANBARU_INSTALL_DATA_DIR .)

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
set(NANBARU_HOST_DRIVE "Z:")
if(NANBARU_GUI)
  # The first configure of a build folder fixes where its Qt comes from; -DNANBARU_QT_WIN
  # changes it. Qt's code generators are the host's, of the same version.
  include(${CMAKE_CURRENT_LIST_DIR}/windows-caches.cmake)
  nanbaru_windows_cache(qt_cache qt)
  set(NANBARU_QT_WIN ${qt_cache} CACHE PATH
      "Qt for Windows, as scripts/build-qt-windows.sh installs it")
  list(APPEND CMAKE_FIND_ROOT_PATH ${NANBARU_QT_WIN})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
