#pragma once
// A hint text: the pop-up tip before its first "|", the status-line text after it; a hint
// without "|" serves as both.

#include <QString>

namespace nanbaru {

// The property under which a control or menu item keeps its whole hint.
inline constexpr char kHintProperty[] = "nanbaruHint";

inline QString TipPart(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}

inline QString StatusPart(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace nanbaru
