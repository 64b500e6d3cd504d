#include "app/settings_file.h"

#include "common/text_reader.h"
#include "common/text_writer.h"
#include "platform/paths.h"

namespace nanbaru {

Bytes SettingsPath(const Bytes& dir) {
  return WithTrailingSeparator(dir) + "nanbaru2.ini";
}

void ReadSettings(const Bytes& path, const std::function<void(int, const Bytes&)>& take) {
  TextReader reader(path);
  for (int line = 1; line <= kSettingsLineCount; ++line) take(line, Bytes(reader.ReadLine()));
  reader.Close();
}

void WriteSettings(const Bytes& path, const SettingsLines& lines) {
  SafeTextWriter writer(path);
  for (const Bytes& line : lines) writer.WriteLine(line);
  writer.Commit();
}

}  // namespace nanbaru
