#pragma once
// Boxes of one line. Whatever brings text into one (a paste, the input method, a program's
// setText), the box keeps the text up to its first line break, as a single-line box of the
// system does with a multi-line paste. A box's text is a line of the settings file, so a break
// kept inside it would split the file.

#include <QLineEdit>

namespace nanbaru {

void KeepFirstLineOnly(QLineEdit* box);

}  // namespace nanbaru
