#pragma once
// A command's arguments and standard streams, the same on every platform: arguments arrive
// as UTF-8, and what is written reaches the stream byte for byte.

#include <string>
#include <string_view>
#include <vector>

namespace nanbaru {

// The program's arguments after its name, as UTF-8 (Windows: from the UTF-16 command line,
// whatever the code page; an unpaired surrogate becomes U+FFFD).
std::vector<std::string> CommandArguments(int argc, char** argv);

// Writes all of `bytes` to standard output at once, without any line-end translation; false
// when the write fails. `utf8_text` says the bytes are UTF-8 text, which a Windows console is
// given as such.
bool WriteStandardOutput(std::string_view bytes, bool utf8_text);
// Writes UTF-8 text to standard error.
void WriteStandardError(std::string_view utf8);

// For a window program asked from a console for its usage or version: standard output and
// error that lead nowhere are pointed at the console it was started from (Windows starts a
// window program without one). Nothing changes where they lead somewhere already.
void UseParentConsole();

}  // namespace nanbaru
