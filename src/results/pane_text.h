#pragma once
// The line model of a text pane whose lines are its CR LF lines (the result pane, and the
// pane text the headless command prints).

#include <cstdint>

#include "common/bytes.h"

namespace nanbaru {

inline constexpr int kPaneLineLimit = 4096;  // A fetched line is cut to this many bytes.

class PaneText {
 public:
  const Bytes& text() const { return text_; }
  void SetText(Bytes text) { text_ = std::move(text); }

  // The line and a line break at the end when the text is empty or ends with CR LF;
  // otherwise a line break and the line.
  void Append(std::string_view line);
  void Clear() { text_.clear(); }
  // Lines, less one when the last line is empty.
  std::int32_t LineCount() const;
  // Line i (0-based) without its break, cut to kPaneLineLimit bytes; empty past the end.
  Bytes Line(std::int32_t index) const;

 private:
  Bytes text_;
};

// The same append rule on any text (panes that keep their text elsewhere use it).
void AppendPaneLine(Bytes& text, std::string_view line);

}  // namespace nanbaru
