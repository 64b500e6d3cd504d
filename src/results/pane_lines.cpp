#include "results/pane_lines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

#include "common/sjis_bytes.h"
#include "platform/sjis_codec.h"
#include "results/pane_edit.h"

namespace nanbaru {

namespace {

// The bytes a block was written from, with the text they showed as, so that any later edit
// of the block is noticed.
class BlockBytes : public QTextBlockUserData {
 public:
  BlockBytes(Bytes bytes, QString shown) : bytes_(std::move(bytes)), shown_(std::move(shown)) {}
  const Bytes* For(const QTextBlock& block) const {
    return block.text() == shown_ ? &bytes_ : nullptr;
  }

 private:
  Bytes bytes_;
  QString shown_;
};

bool IsBreak(QChar c) {
  return c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool Wraps(const QPlainTextEdit& pane) {
  return pane.lineWrapMode() != QPlainTextEdit::NoWrap;
}

// The byte offset of UTF-16 offset `unit` in `bytes`, found one Shift-JIS character at a
// time; -1 when no character ends there.
std::ptrdiff_t ByteOffset(const Bytes& bytes, int unit) {
  std::size_t at = 0;
  int units = 0;
  while (units < unit && at < bytes.size()) {
    const bool double_byte = IsSjisLeadByte(bytes[at]);
    const std::size_t length = double_byte && at + 1 < bytes.size() ? 2 : 1;
    units += static_cast<int>(SjisToUtf16(std::string_view(bytes).substr(at, length)).size());
    at += length;
  }
  return units == unit ? static_cast<std::ptrdiff_t>(at) : -1;
}

// The bytes of `length` characters of a block from `start`: the kept bytes where the block
// still shows them, else the conversion of what it shows.
Bytes PieceBytes(const QTextBlock& block, int start, int length) {
  const auto* kept = dynamic_cast<const BlockBytes*>(block.userData());
  const Bytes* bytes = kept != nullptr ? kept->For(block) : nullptr;
  if (bytes != nullptr) {
    if (start == 0 && length == block.text().size()) return *bytes;
    const std::ptrdiff_t from = ByteOffset(*bytes, start);
    const std::ptrdiff_t to = ByteOffset(*bytes, start + length);
    if (from >= 0 && to >= from) return bytes->substr(from, to - from);
  }
  return PaneLineBytes(block.text().mid(start, length));
}

// A fetched line cut to kPaneLineLimit bytes, before a double-byte character the limit would
// split, so no lone lead byte is left at its end.
Bytes CutPaneLine(Bytes line) {
  if (line.size() <= kPaneLineLimit) return line;
  std::size_t at = 0;
  while (true) {
    const std::size_t length = IsSjisLeadByte(line[at]) ? 2 : 1;
    if (at + length > kPaneLineLimit) break;
    at += length;
  }
  line.resize(at);
  return line;
}

// One line of the pane: a block, or a piece of one.
struct LinePiece {
  QTextBlock block;
  int start;
  int length;
};

// The pieces of a block between its line and paragraph separators.
void AppendSeparatedPieces(const QTextBlock& block, std::vector<LinePiece>& lines) {
  const QString text = block.text();
  int start = 0;
  for (int i = 0; i <= text.size(); ++i) {
    if (i == text.size() || IsBreak(text.at(i))) {
      lines.push_back({block, start, i - start});
      start = i + 1;
    }
  }
}

// Every line of the pane, in order: as the pane shows it (`as_shown`), or as its text holds
// it whatever the pane's width. A wrapping pane lays out blocks it has not laid out yet, at
// its present width.
std::vector<LinePiece> LinePieces(const QPlainTextEdit& pane, bool as_shown) {
  std::vector<LinePiece> lines;
  QTextDocument* document = pane.document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const int length = static_cast<int>(block.text().size());
    if (!Wraps(pane)) {
      lines.push_back({block, 0, length});
      continue;
    }
    if (!as_shown) {
      AppendSeparatedPieces(block, lines);
      continue;
    }
    document->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0) lines.push_back({block, 0, length});
    for (int k = 0; k < layout->lineCount(); ++k) {
      const QTextLine line = layout->lineAt(k);
      // A line or paragraph separator ends the line it is shown on: a break, not a character.
      int line_length = line.textLength();
      const int last = line.textStart() + line_length - 1;
      if (line_length > 0 && IsBreak(block.text().at(last))) --line_length;
      lines.push_back({block, line.textStart(), line_length});
    }
  }
  if (!lines.empty() && lines.back().length == 0) lines.pop_back();
  return lines;
}

}  // namespace

std::size_t PaneUnheldCount(const QPlainTextEdit& pane) {
  std::size_t unheld = 0;
  for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
    const auto* kept = dynamic_cast<const BlockBytes*>(block.userData());
    if (kept != nullptr && kept->For(block) != nullptr) continue;
    QString text = block.text();
    text.remove(QChar::LineSeparator).remove(QChar::ParagraphSeparator);
    unheld += CountUnheld(text.toStdU16String());
  }
  return unheld;
}

Bytes PaneLine(const QPlainTextEdit& pane, std::int32_t index) {
  if (index < 0) return Bytes();
  if (!Wraps(pane)) {
    const QTextBlock block = pane.document()->findBlockByNumber(index);
    if (!block.isValid()) return Bytes();
    return CutPaneLine(PieceBytes(block, 0, static_cast<int>(block.text().size())));
  }
  const std::vector<LinePiece> lines = LinePieces(pane, true);
  if (static_cast<std::size_t>(index) >= lines.size()) return Bytes();
  const LinePiece& line = lines[static_cast<std::size_t>(index)];
  return CutPaneLine(PieceBytes(line.block, line.start, line.length));
}

std::vector<Bytes> PaneLines(const QPlainTextEdit& pane) {
  std::vector<Bytes> bytes;
  for (const LinePiece& line : LinePieces(pane, false)) {
    bytes.push_back(PieceBytes(line.block, line.start, line.length));
  }
  return bytes;
}

std::int32_t PaneLineAt(const QPlainTextEdit& pane, int position) {
  QTextDocument* document = pane.document();
  const QTextBlock target = document->findBlock(position);
  if (!Wraps(pane)) return target.blockNumber();
  std::int32_t index = 0;
  for (QTextBlock block = document->begin(); block != target; block = block.next()) {
    document->documentLayout()->blockBoundingRect(block);
    index += std::max(block.layout()->lineCount(), 1);
  }
  document->documentLayout()->blockBoundingRect(target);
  const QTextLine line = target.layout()->lineForTextPosition(position - target.position());
  return index + (line.isValid() ? line.lineNumber() : 0);
}

void AppendPaneBytes(QPlainTextEdit& pane, const Bytes& line) {
  const QString shown = PaneScreenLine(line);
  AppendPaneLine(pane, shown);
  // The line ends the text, or stands before the empty line that follows its break.
  const QTextBlock last = pane.document()->lastBlock();
  QTextBlock block = last.text().isEmpty() && last.previous().isValid() ? last.previous() : last;
  if (block.text() == shown) block.setUserData(new BlockBytes(line, shown));
}

}  // namespace nanbaru
