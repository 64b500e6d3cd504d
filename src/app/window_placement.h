#pragma once
// A window restored to a place saved on another set of screens (a monitor since unplugged, a
// new scale factor) must still open where the user can take hold of its title bar.

#include <QList>
#include <QPoint>
#include <QRect>

namespace nanbaru {

// Where the window whose outer frame is `frame` opens: its own place when some screen (each
// given by its available area) shows enough of its title bar to drag it by, else the place
// nearest to it that lies whole on the nearest screen (its top left corner, for a window
// larger than the screen).
QPoint PlaceInSight(const QRect& frame, const QList<QRect>& screens);

}  // namespace nanbaru
