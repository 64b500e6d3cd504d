#include "app/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

namespace nanbaru {

namespace {

// In order of preference; the first that is installed and keeps the 2:1 widths wins.
const char* const kCandidates[] = {
    "ＭＳ 明朝",       "MS Mincho", "IPAMincho", "IPAGothic", "Noto Sans Mono CJK JP",
    "Noto Sans CJK JP"};

QFont Sized(const QString& family) {
  QFont font(family);
  font.setPointSize(kRunTimePointSize);
  return font;
}

}  // namespace

bool HasDoubleWidthKanji(const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal half = metrics.horizontalAdvance(QStringLiteral("a"));
  const qreal full = metrics.horizontalAdvance(QString::fromUtf8("あ"));
  return half > 0 && qAbs(full - 2 * half) < 0.01;
}

QFont RunTimeFont() {
  for (const char* name : kCandidates) {
    const QString family = QString::fromUtf8(name);
    if (!QFontDatabase::hasFamily(family)) continue;
    const QFont font = Sized(family);
    if (HasDoubleWidthKanji(font)) return font;
  }
  // No Japanese fixed-pitch font: keep the name, so a font installed later is found by it.
  return Sized(QString::fromUtf8(kCandidates[0]));
}

}  // namespace nanbaru
