#pragma once
// The line model of the two text panes, in Shift-JIS. The lines a handler fetches by number are
// the lines the pane shows: in a pane that does not wrap they are the CR LF lines of its text
// (the text document's blocks); in a pane that wraps, a line wider than the pane counts as
// every piece it is shown on, and a line or paragraph separator in a line (Shift+Enter, a
// collected lone line feed) ends the piece before it, which is then a line of its own without
// the separator. What is saved is the text's lines, whole, whatever the pane's width.
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
// Every line of the text, whole, however the pane wraps it on screen: the CR LF lines, and in
// a pane that wraps, the pieces between the line or paragraph separators inside them. The
// last is left out when it is empty (an empty pane has none).
std::vector<Bytes> PaneLines(const QPlainTextEdit& pane);
// The index of the line that holds character position `position` of the pane's text.
std::int32_t PaneLineAt(const QPlainTextEdit& pane, int position);

// How many characters of the pane's text a Shift-JIS line cannot hold (saved as "?").
std::size_t PaneUnheldCount(const QPlainTextEdit& pane);

// Appends a line by the panes' rule (AppendPaneLine) and keeps its bytes.
void AppendPaneBytes(QPlainTextEdit& pane, const Bytes& line);

}  // namespace nanbaru
