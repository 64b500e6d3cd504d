#include "app/settings_file.h"

#include "common/text_reader.h"
#include "platform/file_source.h"
#include "platform/paths.h"
#include "platform/text_writer.h"

namespace nanbaru {

Bytes SettingsPath(const Bytes& dir) {
  return WithTrailingSeparator(dir) + "nanbaru2.ini";
}

void ReadSettings(const Bytes& path, const std::function<void(int, const Bytes&)>& take) {
  TextReader reader(OpenFileSource(path));
  for (int line = 1; line <= kSettingsLineCount; ++line) take(line, Bytes(reader.ReadLine()));
  reader.Close();
}

void WriteSettings(const Bytes& path, const SettingsLines& lines) {
  SafeTextWriter writer(path);
  for (const Bytes& line : lines) writer.WriteLine(line.substr(0, line.find_first_of("\r\n\x1a")));
  writer.Commit();
}

}  // namespace nanbaru
