#pragma once
// The text panes on screen. A pane's text is its lines joined by CR LF; on screen each line is
// one block of the pane's document, and a lone line feed inside a line is kept in that line
// as a line separator, so the line numbers of the screen and of the text agree.

#include <QPlainTextEdit>
#include <QString>

#include "common/bytes.h"

namespace nanbaru {

// Appends a line in its screen form by the panes' rule: the line and a line break when the text
// is empty or ends with a line break, else a line break and the line. The caret is left after
// it, in view.
void AppendPaneLine(QPlainTextEdit& pane, const QString& screen_line);
void ClearPane(QPlainTextEdit& pane);

// One line between its Shift-JIS bytes and its screen form.
QString PaneScreenLine(const Bytes& line);
Bytes PaneLineBytes(const QString& screen_line);

}  // namespace nanbaru
