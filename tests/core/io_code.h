#pragma once
// The file code a failing file call reports.

#include "platform/errors.h"

namespace nanbaru {

// The code of the InOutError `action` throws; 0 when it throws none.
template <typename Action>
int IoCodeOf(Action action) {
  try {
    action();
  } catch (const InOutError& error) {
    return error.code();
  }
  return 0;
}

}  // namespace nanbaru
