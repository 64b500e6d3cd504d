#pragma once
// The line model of the two text panes, in Shift-JIS. A pane's lines are the lines it shows:
// in a pane that does not wrap they are the CR LF lines of its text (the text document's blocks);
// in a pane that wraps, a line wider than the pane counts as every piece it is shown on, and a
// line or paragraph separator in a line (Shift+Enter, a collected lone line feed) ends the piece
// before it, which is then a line of its own without the separator.
//
// The panes show Unicode. A line the system writes into a pane keeps the bytes it was written
// with, for as long as the pane still shows it unchanged, so a line whose bytes do not survive
// the trip through Unicode (bytes that are not Shift-JIS, or a character Shift-JIS holds under
// two codes) is collected and saved exactly as the data file had it. A line the user has
// changed is converted from what the pane shows.

#include <QPlainTextEdit>
#include <QTextBlock>
#include <cstdint>
#include <vector>

#include "common/bytes.h"

namespace nanbaru {

inline constexpr int kPaneLineLimit = 4096;  // A fetched line is cut to this many bytes.

// Line `index` (0-based) without its break, cut to kPaneLineLimit bytes; empty past the end.
Bytes PaneLine(const QPlainTextEdit& pane, std::int32_t index);
// Every line, less the last when it is empty (an empty pane has none), each cut as PaneLine
// cuts it.
std::vector<Bytes> PaneLines(const QPlainTextEdit& pane);
// The index of the line that holds character position `position` of the pane's text.
std::int32_t PaneLineAt(const QPlainTextEdit& pane, int position);

// How many characters of the pane's text a Shift-JIS line cannot hold (saved as "?").
std::size_t PaneUnheldCount(const QPlainTextEdit& pane);

// Appends a line by the panes' rule (AppendPaneLine) and keeps its bytes.
void AppendPaneBytes(QPlainTextEdit& pane, const Bytes& line);

}  // namespace nanbaru
