#pragma once
// The settings file nanbaru2.ini: eight plain Shift-JIS lines in the working directory, each
// value known by its line number alone (active data file, query, old-code filter, new-code
// filter, prefecture filter, window top, window left, postal data file).

#include <array>
#include <functional>

#include "common/bytes.h"

namespace nanbaru {

inline constexpr int kSettingsLineCount = 8;
using SettingsLines = std::array<Bytes, kSettingsLineCount>;

// The settings file's path in `dir`: the directory, a separator unless it already ends in one
// (the root), then "nanbaru2.ini".
Bytes SettingsPath(const Bytes& dir);

// Reads lines 1 to 8 in order and hands each to `take` (1-based number, text) as soon as it is
// read, then closes the file. A short file gives empty lines for the rest; lines after the
// eighth are never read. Throws InOutError. An error thrown by `take` ends the reading there,
// and the file is released all the same.
void ReadSettings(const Bytes& path, const std::function<void(int, const Bytes&)>& take);

// Writes the eight lines, each ended by CR LF. A value is written up to its first CR, LF or
// end-of-file byte (0x1A), any of which would end it early when read back and move every later
// value to the wrong line. The old file is replaced only once every line is written and the
// new file closed, so a failure leaves it as it was. Throws InOutError.
void WriteSettings(const Bytes& path, const SettingsLines& lines);

}  // namespace nanbaru
