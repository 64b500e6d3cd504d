#pragma once
// The run-time font: "ＭＳ 明朝" at 10 points where it exists, else a Japanese font in which
// a full-width character is exactly as wide as two half-width ones, since result lines line
// up their columns by counting bytes.

#include <QFont>

namespace nanbaru {

inline constexpr int kRunTimePointSize = 10;

QFont RunTimeFont();

// Whether a full-width character is as wide as two half-width ones in `font`.
bool HasDoubleWidthKanji(const QFont& font);

}  // namespace nanbaru
