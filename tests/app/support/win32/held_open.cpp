#include "support/held_open.h"

#include <windows.h>

#include <string>

namespace nanbaru::test {

// A file nobody holds open can be opened without sharing it.
bool HeldOpen(const char* file_name) {
  const std::string name(file_name);
  const HANDLE file = CreateFileW(std::wstring(name.begin(), name.end()).c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(file);
  return false;
}

}  // namespace nanbaru::test
