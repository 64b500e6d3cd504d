#pragma once
// The update of the national list as the window runs it: on a thread of its own behind a
// progress dialog that shows the bytes received and the percent, and whose キャンセル button
// (or Esc) cancels it, while the window goes on drawing itself.

#include <optional>

#include "common/bytes.h"
#include "update/list_update.h"

class QWidget;

namespace nanbaru {

struct UpdateOutcome {
  std::optional<UpdateResult> result;  // when the list was updated
  Bytes error;                         // why not, unless cancelled
  bool cancelled = false;
};

// Runs the update and returns once it has ended, however it ended.
UpdateOutcome RunUpdateDialog(QWidget* parent, const UpdateRequest& request);

}  // namespace nanbaru
