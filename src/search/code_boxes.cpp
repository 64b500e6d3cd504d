#include "search/code_boxes.h"

namespace nanbaru {

void TakeCodeFromBoxes(SearchHost& host) {
  const Bytes new_code = host.NewCodeText();
  if (!Trim(new_code).empty()) host.SetQueryText(new_code);
  const Bytes old_code = host.OldCodeText();
  if (!Trim(old_code).empty()) {
    host.SetNewCodeText(Bytes());
    host.SetQueryText(old_code);
  }
}

}  // namespace nanbaru
