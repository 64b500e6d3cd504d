#include "app/picture_label.h"

namespace nanbaru {

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

}  // namespace nanbaru
