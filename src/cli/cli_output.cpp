#include "cli/cli_output.h"

#include "platform/command_line.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

std::optional<std::string> ColourName(const std::optional<StatusColour>& colour) {
  if (!colour) return std::nullopt;
  return *colour == StatusColour::kRed ? "red" : "black";
}

bool WriteBytes(std::string_view text, bool utf8_text) {
  return text.empty() || WriteStandardOutput(text, utf8_text);
}

// Writes the pane in UTF-8 with each CR LF line end turned into LF, converted a piece at a
// time so that a pane of any size prints. A CR that ends a piece waits to see the next one.
bool WritePaneUtf8(const Bytes& pane) {
  bool written = true;
  bool cr_pending = false;
  std::string out;
  SjisToUtf8Pieces(pane, [&](std::string_view piece) {
    out.clear();
    if (cr_pending && !piece.starts_with('\n')) out += '\r';
    cr_pending = piece.ends_with('\r');
    if (cr_pending) piece.remove_suffix(1);
    for (std::size_t at = piece.find("\r\n"); at != piece.npos; at = piece.find("\r\n")) {
      out.append(piece.substr(0, at));
      piece.remove_prefix(at + 1);
    }
    out.append(piece);
    written = written && WriteBytes(out, true);
  });
  return written && (!cr_pending || WriteBytes("\r", true));
}

}  // namespace

JsonObject StateJson(const CliHost& host, const std::optional<Bytes>& error) {
  std::vector<std::string> history;
  history.reserve(host.history.size());
  for (const Bytes& entry : host.history) history.push_back(SjisToUtf8(entry));
  std::optional<std::string> error_text;
  if (error) error_text = SjisToUtf8(*error);

  JsonObject json;
  json.Text("result_pane", SjisToUtf8(host.results));
  json.Text("query_box", SjisToUtf8(host.query));
  json.Text("new_code_box", SjisToUtf8(host.new_code));
  json.Text("pref_box", SjisToUtf8(host.pref));
  json.Text("count_label", SjisToUtf8(host.count_label));
  json.Text("status", SjisToUtf8(host.status));
  json.TextOrNull("status_colour", ColourName(host.status_colour));
  json.TextList("history", history);
  json.Text("search_text", SjisToUtf8(host.shared.SearchText));
  json.TextOrNull("error", error_text);
  json.Bool("chooser_opened", host.chooser_opened);
  return json;
}

bool WriteOutput(const CliHost& host, OutputMode mode, const std::optional<Bytes>& error) {
  bool written = true;
  switch (mode) {
    case OutputMode::kSjis:
      written = WriteBytes(host.results, false);
      break;
    case OutputMode::kJson:
      written = WriteBytes(StateJson(host, error).Finish(), true);
      break;
    case OutputMode::kUtf8:
      written = WritePaneUtf8(host.results);
      break;
  }
  return written;
}

bool WriteStdout(std::string_view text, bool utf8_text) {
  return WriteBytes(text, utf8_text);
}

void Complain(std::string_view utf8_message) {
  WriteStandardError("nanbaru-search: " + std::string(utf8_message) + "\n");
}

}  // namespace nanbaru
