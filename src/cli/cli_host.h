#pragma once
// The window's state as plain values, for running a search without a window.

#include <optional>
#include <vector>

#include "search/search_host.h"

namespace nanbaru {

class CliHost : public SearchHost {
 public:
  SharedState shared;
  Bytes query;
  bool busy = false;
  std::vector<Bytes> history;
  Bytes old_code;
  Bytes new_code;
  Bytes pref;
  Bytes count_label;
  Bytes status;
  std::optional<StatusColour> status_colour;  // unset until a search sets it
  // The result pane's text: a search starts on an empty pane, so every line it appends ends
  // with CR LF.
  Bytes results;
  Bytes start_dir;
  Bytes last_area_file;
  bool chooser_opened = false;
  // Why the data file could not be opened, for the terminal.
  std::optional<Bytes> open_error;

  SharedState& Shared() override { return shared; }
  Bytes QueryText() override { return query; }
  void SetQueryText(const Bytes& text) override { query = text; }
  bool QueryBusy() override { return busy; }
  void SetQueryBusy(bool value) override { busy = value; }
  void AddHistory(const Bytes& text) override { history.push_back(text); }
  Bytes OldCodeText() override { return old_code; }
  Bytes NewCodeText() override { return new_code; }
  void SetNewCodeText(const Bytes& text) override { new_code = text; }
  const Bytes& PrefText() override { return pref; }
  void SetPrefText(const Bytes& text) override { pref = text; }
  void SetCountLabel(const Bytes& text) override { count_label = text; }
  void SetStatus(const Bytes& text) override { status = text; }
  void SetStatusColour(StatusColour colour) override { status_colour = colour; }
  void ClearResults() override { results.clear(); }
  // Grown at most once a line and without a joined temporary, so a giant line is copied once.
  void AppendResult(const Bytes& line) override {
    results.reserve(results.size() + line.size() + 2);
    results.append(line).append("\r\n");
  }
  // Nothing else runs while a search does.
  void ProcessEvents() override {}
  bool EventsCanInterleave() const override { return false; }
  std::unique_ptr<TextReader> OpenDataFile(const Bytes& path) override;
  void ChooseDataFile() override { chooser_opened = true; }
  void EnterStartDir() override;
  void SetLastAreaFile(const Bytes& path) override { last_area_file = path; }
};

}  // namespace nanbaru
