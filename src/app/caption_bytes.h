#pragma once
// Labels that hold paths: the caption shows the path, and the exact Shift-JIS bytes travel
// with it, so a byte the screen cannot show never changes the path written back.

#include <QLabel>

#include "common/bytes.h"

namespace nanbaru {

void SetCaptionBytes(QLabel* label, const Bytes& bytes);
// The bytes last given by SetCaptionBytes, or the caption's own text as Shift-JIS when the
// label still shows a caption set another way (its layout text).
Bytes CaptionBytes(const QLabel* label);

}  // namespace nanbaru
