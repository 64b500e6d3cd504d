// The window as the searches see it: the search host mapped onto the controls.
#include <QApplication>
#include <QCoreApplication>

#include "app/caption_bytes.h"
#include "app/tform1.h"
#include "platform/file_source.h"
#include "results/pane_edit.h"
#include "results/pane_lines.h"

namespace nanbaru {

namespace {

// The query box's background tells whether a search runs: the system window colour when idle,
// the system grey-text colour while busy.
QColor IdleColour() {
  return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
QColor BusyColour() {
  return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

}  // namespace

Bytes TForm1::QueryText() {
  return EditBytes(ComboBox1->lineEdit());
}

void TForm1::SetQueryText(const Bytes& text) {
  SetEditBytes(ComboBox1->lineEdit(), text);
}

bool TForm1::QueryBusy() {
  return ComboBox1->palette().color(QPalette::Active, QPalette::Base) != IdleColour();
}

void TForm1::SetQueryBusy(bool busy) {
  if (!busy) {
    // Idle gives the system colour back for good, so it follows a change of the desktop's
    // colours instead of keeping an old one that would read as busy.
    ComboBox1->setPalette(QPalette());
    return;
  }
  QPalette palette = ComboBox1->palette();
  palette.setColor(QPalette::Base, BusyColour());
  ComboBox1->setPalette(palette);
  // A new search lets pending events run at its first turn.
  events_turn_.invalidate();
}

void TForm1::AddHistory(const Bytes& text) {
  // Adding the first entry would select it; the query box keeps its own text.
  const QString shown = ComboBox1->currentText();
  ComboBox1->addItem(ScreenText(text));
  if (ComboBox1->currentText() != shown) ComboBox1->setEditText(shown);
}

Bytes TForm1::OldCodeText() {
  return EditBytes(Edit1);
}
Bytes TForm1::NewCodeText() {
  return EditBytes(Edit2);
}
void TForm1::SetNewCodeText(const Bytes& text) {
  SetEditBytes(Edit2, text);
}
const Bytes& TForm1::PrefText() {
  return pref_text_;
}
void TForm1::SetPrefText(const Bytes& text) {
  SetEditBytes(Edit3, text);
  pref_text_ = text;
}

void TForm1::SetCountLabel(const Bytes& text) {
  Label1->setText(ScreenText(text));
  Label1->adjustSize();
}

void TForm1::SetStatus(const Bytes& text) {
  Panel2->setText(ScreenText(text));
}

void TForm1::SetStatusColour(StatusColour colour) {
  QPalette palette = Panel2->palette();
  palette.setColor(QPalette::WindowText,
                   colour == StatusColour::kRed ? QColor(255, 0, 0) : QColor(0, 0, 0));
  Panel2->setPalette(palette);
}

void TForm1::ClearResults() {
  ClearPane(*Memo1);
}
// The result pane keeps each line's bytes, so a line that does not survive the screen is still
// collected exactly as the data file had it.
void TForm1::AppendResult(const Bytes& line) {
  AppendPaneBytes(*Memo1, line);
}
// A scan asks after every listed line; pending events run at most once a frame, which no
// user can tell from every line, while hundreds of repaints per search would make it slow.
void TForm1::ProcessEvents() {
  constexpr qint64 kFrameMs = 10;
  if (events_turn_.isValid() && events_turn_.elapsed() < kFrameMs) return;
  QCoreApplication::processEvents();
  events_turn_.start();
}

std::unique_ptr<TextReader> TForm1::OpenDataFile(const Bytes& path) {
  return OpenTextFile(path);
}

void TForm1::EnterStartDir() {
  services().ChangeDir(CaptionBytes(Label9));
}
void TForm1::SetLastAreaFile(const Bytes& path) {
  SetCaptionBytes(Label11, path);
}

}  // namespace nanbaru
