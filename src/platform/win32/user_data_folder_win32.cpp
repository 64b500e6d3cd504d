#include <windows.h>

#include <string>

#include "platform/data_location.h"
#include "platform/native_name.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

std::wstring Environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

}  // namespace

// The variable rather than the shell's known folder, so that it can be pointed elsewhere, as
// the tests do.
std::filesystem::path UserDataFolder() {
  const Bytes program = ExecutableDir();
  if (!program.empty() &&
      ProbePath(WithTrailingSeparator(program) + "nanbaru2.ini") == PathKind::kFile) {
    return NativeNameOf(program).path;
  }
  std::wstring local = Environment(L"LOCALAPPDATA");
  if (local.empty()) local = Environment(L"USERPROFILE") + L"\\AppData\\Local";
  return std::filesystem::path(local) / L"nanbaru";
}

}  // namespace nanbaru
