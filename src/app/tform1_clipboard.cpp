// Copying to the clipboard, the clipboard's text as the query, and saving the collection.
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "app/tform1.h"
#include "platform/sjis_codec.h"
#include "platform/text_writer.h"
#include "results/pane_lines.h"

namespace nanbaru {

void TForm1::SpeedButton7Click() {
  // The buttons take no focus, so the focus is where the user last clicked or tabbed to.
  QWidget* focused = focusWidget();
  QPlainTextEdit* pane = focused == Memo1 ? Memo1 : focused == Memo2 ? Memo2 : nullptr;
  if (pane == nullptr || !pane->textCursor().hasSelection()) return;
  // What the pane's own copy command puts there: the selection with its line breaks.
  services().SetClipboardText(pane->textCursor().selection().toPlainText());
}

void TForm1::SpeedButton9Click() {
  SpeedButton7Click();
}

void TForm1::SpeedButton6Click() {
  // Pasting into the emptied single-line box takes the text only up to its first line break.
  static const QRegularExpression kLineBreak("[\r\n]");
  const QString text = services().ClipboardText();
  Edit4->setText(text.left(text.indexOf(kLineBreak)));
  SetQueryText(TextOf(Edit4->text()));
}

void TForm1::SpeedButton8Click() {
  SpeedButton6Click();
}

void TForm1::save1Click() {
  QString chosen;
  if (!services().RunSaveDialog(this, SaveDialog1.file_name, chosen)) return;
  SaveDialog1.file_name = chosen;
  // The name is never stored, so it goes to the file system as the dialog gave it.
  SaveFileName = chosen;
  const std::size_t unheld = PaneUnheldCount(*Memo2);
  if (unheld > 0 &&
      !services().AskYesNo(this, ScreenText(Sj("保存できない文字が ")) + QString::number(unheld) +
                                     ScreenText(Sj(" 文字あります。「?」にして保存しますか？")))) {
    return;
  }
  // The old file stays as it was until the new one is complete.
  SafeTextWriter file(NativeName{QFileInfo(SaveFileName).filesystemFilePath()});
  for (const Bytes& line : PaneLines(*Memo2)) file.WriteLine(line);
  file.Commit();
}

}  // namespace nanbaru
