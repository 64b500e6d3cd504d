#pragma once
// The pictures of the flat buttons and the mode pictures, kept as resources. A picture that
// is missing gives an empty icon or pixmap, so the window still opens.

#include <QIcon>
#include <QPixmap>

namespace nanbaru {

// A button picture with its greyed copy for the disabled state (NAME.xpm, NAME_disabled.xpm).
QIcon ButtonPicture(const char* name);
// A single picture (NAME.xpm).
QPixmap Picture(const char* name);

}  // namespace nanbaru
