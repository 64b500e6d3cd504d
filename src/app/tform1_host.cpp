// The window as the searches see it: the search host mapped onto the controls.
#include <QApplication>
#include <QCoreApplication>

#include "app/edit_bytes.h"
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
  return EditBytes(query_box->lineEdit());
}

void TForm1::SetQueryText(const Bytes& text) {
  SetEditBytes(query_box->lineEdit(), text);
}

bool TForm1::QueryBusy() {
  return query_box->palette().color(QPalette::Active, QPalette::Base) != IdleColour();
}

void TForm1::SetQueryBusy(bool busy) {
  if (!busy) {
    // Idle gives the system colour back for good, so it follows a change of the desktop's
    // colours instead of keeping an old one that would read as busy.
    query_box->setPalette(QPalette());
    return;
  }
  QPalette palette = query_box->palette();
  palette.setColor(QPalette::Base, BusyColour());
  query_box->setPalette(palette);
  // A new search lets pending events run at its first turn.
  events_turn_.invalidate();
}

void TForm1::AddHistory(const Bytes& text) {
  // Adding the first entry would select it; the query box keeps its own text.
  const QString shown = query_box->currentText();
  query_box->addItem(ScreenText(text));
  if (query_box->currentText() != shown) query_box->setEditText(shown);
}

Bytes TForm1::OldCodeText() {
  return EditBytes(old_code_box);
}
Bytes TForm1::NewCodeText() {
  return EditBytes(new_code_box);
}
void TForm1::SetNewCodeText(const Bytes& text) {
  SetEditBytes(new_code_box, text);
}
const Bytes& TForm1::PrefText() {
  return pref_text_;
}
void TForm1::SetPrefText(const Bytes& text) {
  SetEditBytes(pref_box, text);
  pref_text_ = text;
}

void TForm1::SetCountLabel(const Bytes& text) {
  count_label->setText(ScreenText(text));
  count_label->adjustSize();
}

void TForm1::SetStatus(const Bytes& text) {
  status_line->setText(ScreenText(text));
}

void TForm1::SetStatusColour(StatusColour colour) {
  QPalette palette = status_line->palette();
  palette.setColor(QPalette::WindowText,
                   colour == StatusColour::kRed ? QColor(255, 0, 0) : QColor(0, 0, 0));
  status_line->setPalette(palette);
}

void TForm1::ClearResults() {
  ClearPane(*result_pane);
}
// The result pane keeps each line's bytes, so a line that does not survive the screen is still
// collected exactly as the data file had it.
void TForm1::AppendResult(const Bytes& line) {
  AppendPaneBytes(*result_pane, line);
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
  services().ChangeDir(start_folder);
}
void TForm1::SetLastAreaFile(const Bytes& path) {
  last_area_file = path;
}

}  // namespace nanbaru
