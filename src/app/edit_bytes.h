#pragma once
// Edit boxes whose Shift-JIS text must come back exactly as it went in: the box shows the
// text, and the exact bytes travel with it, so a byte the screen cannot show never changes
// the text written back. Once the user edits the text, what the box shows counts.

#include <QLineEdit>

#include "common/bytes.h"

namespace nanbaru {

void SetEditBytes(QLineEdit* edit, const Bytes& bytes);
// The bytes last given by SetEditBytes while the box still shows them unchanged, else the
// box's own text as Shift-JIS.
Bytes EditBytes(const QLineEdit* edit);

}  // namespace nanbaru
