#pragma once
// The result pane: a text pane that reports a mouse click (a left-button release inside the
// pane, not a caret move by the keyboard) and a double click, after its own handling, so the
// caret and the selected word are in place when the handlers read them.

#include <QPlainTextEdit>

namespace nanbaru {

class ResultPane : public QPlainTextEdit {
  Q_OBJECT
 public:
  using QPlainTextEdit::QPlainTextEdit;
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace nanbaru
