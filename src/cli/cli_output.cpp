#include "cli/cli_output.h"

#include <cstdio>

#include "common/sjis_codec.h"

namespace nanbaru {

namespace {

std::optional<std::string> ColourName(const std::optional<StatusColour>& colour) {
  if (!colour) return std::nullopt;
  return *colour == StatusColour::kRed ? "red" : "black";
}

// The pane in UTF-8 with each CR LF line end turned into LF.
std::string PaneUtf8(const Bytes& pane) {
  const std::string utf8 = SjisToUtf8(pane);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    out += utf8[i];
  }
  return out;
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

std::string RenderOutput(const CliHost& host, OutputMode mode, const std::optional<Bytes>& error) {
  switch (mode) {
    case OutputMode::kSjis:
      return host.results;
    case OutputMode::kJson:
      return StateJson(host, error).Finish();
    case OutputMode::kUtf8:
      break;
  }
  return PaneUtf8(host.results);
}

bool WriteStdout(std::string_view text) {
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
    return false;
  }
  return std::fflush(stdout) == 0;
}

void Complain(std::string_view utf8_message) {
  std::fprintf(stderr, "nanbaru-search: %.*s\n", static_cast<int>(utf8_message.size()),
               utf8_message.data());
}

}  // namespace nanbaru
