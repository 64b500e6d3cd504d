// Copying to the clipboard, the clipboard's text as the query, and saving the collection.
#include <QFileInfo>
#include <QTextDocumentFragment>

#include "app/tform1.h"
#include "platform/sjis_codec.h"
#include "platform/text_writer.h"
#include "results/pane_lines.h"

namespace nanbaru {

void TForm1::CopySelectionClick() {
  // The buttons take no focus, so the focus is where the user last clicked or tabbed to.
  QWidget* focused = focusWidget();
  QPlainTextEdit* pane = focused == result_pane       ? result_pane
                         : focused == collection_pane ? collection_pane
                                                      : nullptr;
  if (pane == nullptr || !pane->textCursor().hasSelection()) return;
  // What the pane's own copy command puts there: the selection with its line breaks.
  services().SetClipboardText(pane->textCursor().selection().toPlainText());
}

void TForm1::ClipboardQueryClick() {
  // Pasting into the emptied single-line box takes the text only up to its first line break.
  clipboard_line_box->setText(services().ClipboardText());
  SetQueryText(TextOf(clipboard_line_box->text()));
}

void TForm1::SaveCollectionClick() {
  QString chosen;
  if (!services().RunSaveDialog(this, save_dialog.file_name, chosen)) return;
  save_dialog.file_name = chosen;
  // The name is never stored, so it goes to the file system as the dialog gave it.
  SaveFileName = chosen;
  const std::size_t unheld = PaneUnheldCount(*collection_pane);
  if (unheld > 0 &&
      !services().AskYesNo(this, ScreenText(Sj("保存できない文字が ")) + QString::number(unheld) +
                                     ScreenText(Sj(" 文字あります。「?」にして保存しますか？")))) {
    return;
  }
  // The old file stays as it was until the new one is complete.
  SafeTextWriter file(NativeName{QFileInfo(SaveFileName).filesystemFilePath()});
  for (const Bytes& line : PaneLines(*collection_pane)) file.WriteLine(line);
  file.Commit();
}

}  // namespace nanbaru
