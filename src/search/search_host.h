#pragma once
// What the searches need of the window. The window implements it with its controls; the
// headless command and the tests implement it with plain values. Every text is Shift-JIS.

#include <memory>

#include "common/bytes.h"
#include "common/text_reader.h"
#include "search/shared_state.h"

namespace nanbaru {

enum class StatusColour { kBlack, kRed };

class SearchHost {
 public:
  virtual ~SearchHost() = default;

  virtual SharedState& Shared() = 0;

  // The query box: text, busy colour (grey text) versus idle (window colour), history.
  virtual Bytes QueryText() = 0;
  virtual void SetQueryText(const Bytes& text) = 0;
  virtual bool QueryBusy() = 0;
  virtual void SetQueryBusy(bool busy) = 0;
  virtual void AddHistory(const Bytes& text) = 0;

  // The old-code and new-code boxes and the prefecture box.
  virtual Bytes OldCodeText() = 0;
  virtual Bytes NewCodeText() = 0;
  virtual void SetNewCodeText(const Bytes& text) = 0;
  virtual const Bytes& PrefText() = 0;
  virtual void SetPrefText(const Bytes& text) = 0;

  // The count label and the status line.
  virtual void SetCountLabel(const Bytes& text) = 0;
  virtual void SetStatus(const Bytes& text) = 0;
  virtual void SetStatusColour(StatusColour colour) = 0;

  // The result pane, appended by the panes' line model.
  virtual void ClearResults() = 0;
  virtual void AppendResult(const Bytes& line) = 0;

  // Lets pending events run in the middle of a postal scan (nothing to do without a window).
  virtual void ProcessEvents() = 0;
  // Whether ProcessEvents lets the user act at all; when it cannot, the scan passes over
  // non-matching lines in one step instead of pausing for events.
  virtual bool EventsCanInterleave() const = 0;

  // Opens the data file for line reading; throws InOutError.
  virtual std::unique_ptr<TextReader> OpenDataFile(const Bytes& path) = 0;
  // The postal data-file chooser, run when the data file cannot be opened.
  virtual void ChooseDataFile() = 0;

  // Area-code search: the start directory becomes current, so a relative data file is found
  // from it (throws InOutError); the window keeps the name of the file searched.
  virtual void EnterStartDir() = 0;
  virtual void SetLastAreaFile(const Bytes& path) = 0;
};

}  // namespace nanbaru
