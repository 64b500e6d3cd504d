#include "results/result_pane.h"

#include <QMouseEvent>

namespace nanbaru {

void ResultPane::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
    emit clicked();
}

void ResultPane::mouseDoubleClickEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

}  // namespace nanbaru
