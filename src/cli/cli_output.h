#pragma once
// What the command prints after a search: the result pane, or the whole window state as JSON.

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_args.h"
#include "cli/cli_host.h"
#include "cli/json_writer.h"

namespace nanbaru {

// The window state after a search, every text converted to UTF-8; the result pane keeps its
// CR LF line ends. `error` is the message the error box would show, without its period.
// Commands may add fields before finishing it.
JsonObject StateJson(const CliHost& host, const std::optional<Bytes>& error);

// Writes the output for the mode to standard output: the result pane in UTF-8 with LF line
// ends, the pane's exact Shift-JIS bytes, or StateJson. False when the write fails.
bool WriteOutput(const CliHost& host, OutputMode mode, const std::optional<Bytes>& error);

// Writes all of `text` to standard output at once; false when the write fails. Only UTF-8
// text is shown as text on a Windows console.
bool WriteStdout(std::string_view text, bool utf8_text = true);
// One line on standard error, prefixed with the program's name.
void Complain(std::string_view utf8_message);

}  // namespace nanbaru
