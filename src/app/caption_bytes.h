#pragma once
// Labels and edit boxes whose Shift-JIS text must come back exactly as it went in: the control
// shows the text, and the exact bytes travel with it, so a byte the screen cannot show never
// changes the text written back. Once the user edits the text, what the control shows counts.

#include <QLabel>
#include <QLineEdit>

#include "common/bytes.h"

namespace nanbaru {

void SetCaptionBytes(QLabel* label, const Bytes& bytes);
// The bytes last given by SetCaptionBytes, or the caption's own text as Shift-JIS when the
// label still shows a caption set another way (its layout text).
Bytes CaptionBytes(const QLabel* label);

// The same for an edit box: the bytes last given while the box still shows them unchanged.
void SetEditBytes(QLineEdit* edit, const Bytes& bytes);
Bytes EditBytes(const QLineEdit* edit);

}  // namespace nanbaru
