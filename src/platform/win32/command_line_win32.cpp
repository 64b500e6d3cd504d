#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>

#include "common/utf.h"
#include "platform/command_line.h"

namespace nanbaru {

namespace {

// A console shows text in its own code page; UTF-16 reaches it whatever that is.
bool WriteHandle(DWORD which, std::string_view bytes, bool utf8_text) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  DWORD mode = 0;
  if (utf8_text && GetConsoleMode(handle, &mode)) {
    std::u16string text;
    Utf8ToUtf16(bytes, false, text);
    std::u16string_view rest = text;
    while (!rest.empty()) {
      DWORD wrote = 0;
      const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 16384));
      if (!WriteConsoleW(handle, rest.data(), asked, &wrote, nullptr) || wrote == 0) return false;
      rest.remove_prefix(wrote);
    }
    return true;
  }
  while (!bytes.empty()) {
    DWORD wrote = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
    if (!WriteFile(handle, bytes.data(), asked, &wrote, nullptr) || wrote == 0) return false;
    bytes.remove_prefix(wrote);
  }
  return true;
}

}  // namespace

void UseParentConsole() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output != nullptr && output != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  const HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (console == INVALID_HANDLE_VALUE) return;
  SetStdHandle(STD_OUTPUT_HANDLE, console);
  SetStdHandle(STD_ERROR_HANDLE, console);
}

// The C runtime's narrow arguments went through the ANSI code page and may have lost
// characters; the UTF-16 command line has them all.
std::vector<std::string> CommandArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide != nullptr && i < count; ++i) {
    const std::wstring_view arg = wide[i];
    args.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
  }
  LocalFree(wide);
  return args;
}

bool WriteStandardOutput(std::string_view bytes, bool utf8_text) {
  return WriteHandle(STD_OUTPUT_HANDLE, bytes, utf8_text);
}

void WriteStandardError(std::string_view utf8) {
  WriteHandle(STD_ERROR_HANDLE, utf8, true);
}

}  // namespace nanbaru
