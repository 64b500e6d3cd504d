#pragma once
// A SearchHost made of plain values for the tests of the searches. Every change a search
// makes through it (not its reads) is recorded in order in `calls` as its name, followed by
// ":" and the argument for calls that take one (texts as Shift-JIS bytes).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/bytes.h"
#include "common/text_reader.h"
#include "platform/file_source.h"
#include "search/search_host.h"

namespace nanbaru {

class FakeHost : public SearchHost {
 public:
  // The window's state.
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
  std::vector<Bytes> results;                 // the result pane's lines since the last clear
  Bytes start_dir;
  Bytes last_area_file;
  int chooser_runs = 0;

  // What the host does besides recording.
  bool interleave = false;  // EventsCanInterleave()
  std::function<void(FakeHost&)> on_process_events;
  std::function<void(FakeHost&)> on_choose_data_file;
  std::function<void(const Bytes&)> on_enter_dir;  // may throw InOutError
  // Opens the data file; by default a TextReader on the path.
  std::function<std::unique_ptr<TextReader>(const Bytes&)> open = OpenTextFile;

  std::vector<std::string> calls;

  // The recorded calls whose name is `name`, with their arguments.
  std::vector<std::string> CallsNamed(std::string_view name) const {
    std::vector<std::string> out;
    for (const std::string& call : calls) {
      if (call == name || call.rfind(std::string(name) + ":", 0) == 0) out.push_back(call);
    }
    return out;
  }

  SharedState& Shared() override { return shared; }
  Bytes QueryText() override { return query; }
  void SetQueryText(const Bytes& text) override {
    calls.push_back("SetQueryText:" + text);
    query = text;
  }
  bool QueryBusy() override { return busy; }
  void SetQueryBusy(bool value) override {
    calls.push_back(value ? "SetQueryBusy:1" : "SetQueryBusy:0");
    busy = value;
  }
  void AddHistory(const Bytes& text) override {
    calls.push_back("AddHistory:" + text);
    history.push_back(text);
  }
  Bytes OldCodeText() override { return old_code; }
  Bytes NewCodeText() override { return new_code; }
  void SetNewCodeText(const Bytes& text) override {
    calls.push_back("SetNewCodeText:" + text);
    new_code = text;
  }
  const Bytes& PrefText() override { return pref; }
  void SetPrefText(const Bytes& text) override {
    calls.push_back("SetPrefText:" + text);
    pref = text;
  }
  void SetCountLabel(const Bytes& text) override {
    calls.push_back("SetCountLabel:" + text);
    count_label = text;
  }
  void SetStatus(const Bytes& text) override {
    calls.push_back("SetStatus:" + text);
    status = text;
  }
  void SetStatusColour(StatusColour colour) override {
    calls.push_back(colour == StatusColour::kRed ? "SetStatusColour:red" : "SetStatusColour:black");
    status_colour = colour;
  }
  void ClearResults() override {
    calls.emplace_back("ClearResults");
    results.clear();
  }
  void AppendResult(const Bytes& line) override {
    calls.push_back("AppendResult:" + line);
    results.push_back(line);
  }
  void ProcessEvents() override {
    calls.emplace_back("ProcessEvents");
    if (on_process_events) on_process_events(*this);
  }
  bool EventsCanInterleave() const override { return interleave; }
  std::unique_ptr<TextReader> OpenDataFile(const Bytes& path) override {
    calls.push_back("OpenDataFile:" + path);
    return open(path);
  }
  void ChooseDataFile() override {
    calls.emplace_back("ChooseDataFile");
    ++chooser_runs;
    if (on_choose_data_file) on_choose_data_file(*this);
  }
  void EnterStartDir() override {
    calls.push_back("EnterDir:" + start_dir);
    if (on_enter_dir) on_enter_dir(start_dir);
  }
  void SetLastAreaFile(const Bytes& path) override {
    calls.push_back("SetLastAreaFile:" + path);
    last_area_file = path;
  }
};

}  // namespace nanbaru
