// The result pane's click handlers.
#include "app/tform1.h"
#include "common/number.h"
#include "platform/sjis_codec.h"
#include "results/pane_lines.h"

namespace nanbaru {

void TForm1::memocli() {
  shared.CaretLine = PaneLineAt(*Memo1, Memo1->textCursor().selectionStart());
  SetCountLabel(Bytes("  ") + IntToStr(shared.CaretLine + std::int64_t{1}) + Sj("件目"));
}

void TForm1::Memo1DblClick() {
  // The pane has already selected the word under the pointer, which lies on the clicked line.
  shared.CaretLine = PaneLineAt(*Memo1, Memo1->textCursor().selectionStart());
  AppendPaneBytes(*Memo2, PaneLine(*Memo1, shared.CaretLine));
}

}  // namespace nanbaru
