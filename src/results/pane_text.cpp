#include "results/pane_text.h"

#include <algorithm>

namespace nanbaru {

namespace {

constexpr std::string_view kBreak = "\r\n";

}  // namespace

void AppendPaneLine(Bytes& text, std::string_view line) {
  if (text.empty() || text.ends_with(kBreak)) {
    text.append(line);
    text.append(kBreak);
  } else {
    text.append(kBreak);
    text.append(line);
  }
}

void PaneText::Append(std::string_view line) {
  AppendPaneLine(text_, line);
}

std::int32_t PaneText::LineCount() const {
  std::int32_t lines = 1;
  for (std::size_t at = text_.find(kBreak); at != Bytes::npos; at = text_.find(kBreak, at + 2)) {
    ++lines;
  }
  const bool last_empty = text_.empty() || text_.ends_with(kBreak);
  return last_empty ? lines - 1 : lines;
}

Bytes PaneText::Line(std::int32_t index) const {
  if (index < 0) return {};
  std::size_t start = 0;
  for (std::int32_t i = 0; i < index; ++i) {
    const std::size_t at = text_.find(kBreak, start);
    if (at == Bytes::npos) return {};
    start = at + 2;
  }
  const std::size_t end = std::min(text_.find(kBreak, start), text_.size());
  return text_.substr(start, std::min<std::size_t>(end - start, kPaneLineLimit));
}

}  // namespace nanbaru
