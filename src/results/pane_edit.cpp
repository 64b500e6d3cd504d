#include "results/pane_edit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

constexpr char16_t kLineSeparator = u'\u2028';

// Replaces every lone `from` (a CR or LF that is not part of a CR LF pair) by `to`.
QString ReplaceLoneBreaks(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
      ++i;
    } else if (c == u'\n' || c == u'\r') {
      text[i] = QChar(kLineSeparator);
    }
  }
  return text;
}

}  // namespace

QString PaneScreenLine(const Bytes& line) {
  QString text = QString::fromStdU16String(SjisToUtf16(line));
  if (text.contains(u'\n') || text.contains(u'\r')) text = ReplaceLoneBreaks(std::move(text));
  return text;
}

Bytes PaneLineBytes(const QString& screen_line) {
  QString text = screen_line;
  text.replace(QChar(kLineSeparator), QChar(u'\n'));
  return Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

void AppendPaneLine(QPlainTextEdit& pane, const QString& screen_line) {
  QTextDocument* document = pane.document();
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  // The text ends with a line break exactly when its last screen line is empty.
  const bool at_line_start = document->lastBlock().text().isEmpty();
  cursor.insertText(at_line_start ? screen_line + u'\n' : u'\n' + screen_line);
  // The caret goes after the new line and the pane scrolls to it, so a long result ends on
  // its last lines.
  pane.setTextCursor(cursor);
}

void ClearPane(QPlainTextEdit& pane) {
  pane.clear();
}

}  // namespace nanbaru
