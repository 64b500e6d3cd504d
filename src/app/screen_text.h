#pragma once
// The system works in Shift-JIS; the screen shows Unicode. Texts cross between the two here.

#include <QString>

#include "common/bytes.h"

namespace nanbaru {

// A control's text as Shift-JIS; a character Shift-JIS lacks becomes its substitute.
Bytes TextOf(const QString& text);
QString ScreenText(const Bytes& bytes);

// A file name chosen in a dialog, as Shift-JIS. A name Shift-JIS cannot hold is refused
// (InOutError, path not found) rather than turned into the name of another file.
Bytes ChosenPath(const QString& chosen);

}  // namespace nanbaru
