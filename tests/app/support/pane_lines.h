#pragma once
// The lines of a text pane as Shift-JIS bytes (the pane's CR LF lines, the empty last one
// after a final line break included).

#include <QPlainTextEdit>
#include <vector>

#include "common/bytes.h"

namespace nanbaru::test {

std::vector<Bytes> PaneLines(const QPlainTextEdit& pane);

}  // namespace nanbaru::test
