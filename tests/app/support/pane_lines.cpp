#include "support/pane_lines.h"

#include <QTextBlock>

#include "results/pane_edit.h"

namespace nanbaru::test {

std::vector<Bytes> PaneLines(const QPlainTextEdit& pane) {
  std::vector<Bytes> lines;
  for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next())
    lines.push_back(PaneLineBytes(block.text()));
  return lines;
}

}  // namespace nanbaru::test
