#include <windows.h>

#include <string_view>

#include "common/utf.h"
#include "scratch_dir.h"
#include "search_process.h"
#include "shared/file_bytes.h"

namespace nanbaru {

namespace {

std::wstring Wide(std::string_view utf8) {
  std::u16string text;
  Utf8ToUtf16(utf8, false, text);
  return std::wstring(text.begin(), text.end());
}

// Quotes an argument so that the program's command-line parser gives it back unchanged.
std::wstring Quote(const std::wstring& arg) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

HANDLE CaptureFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

Outcome RunSearchCommand(const std::vector<std::string>& args, const std::string& dir) {
  ScratchDir capture;
  std::wstring command = Quote(Wide(NANBARU_SEARCH_EXE));
  for (const std::string& arg : args) command += L" " + Quote(Wide(arg));
  const HANDLE out = CaptureFile(capture.Path("out"));
  const HANDLE err = CaptureFile(capture.Path("err"));
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process = {};
  const std::wstring folder = Wide(dir);
  int status = -1;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     dir.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) status = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  return {status, FileBytes(capture.Path("out")), FileBytes(capture.Path("err"))};
}

}  // namespace nanbaru
