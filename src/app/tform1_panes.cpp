// The result pane's click handlers.
#include "app/tform1.h"
#include "common/number.h"
#include "platform/sjis_codec.h"
#include "results/pane_lines.h"

namespace nanbaru {

void TForm1::ResultPaneClick() {
  shared.CaretLine = PaneLineAt(*result_pane, result_pane->textCursor().selectionStart());
  SetCountLabel(Bytes("  ") + IntToStr(shared.CaretLine + std::int64_t{1}) + Sj("件目"));
}

void TForm1::ResultPaneDoubleClick() {
  // A double click has already selected the word under the pointer, on the clicked line; the
  // menu's key leaves the caret where the user moved it.
  shared.CaretLine = PaneLineAt(*result_pane, result_pane->textCursor().selectionStart());
  AppendPaneBytes(*collection_pane, PaneLine(*result_pane, shared.CaretLine));
}

}  // namespace nanbaru
