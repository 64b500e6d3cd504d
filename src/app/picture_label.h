#pragma once
// A label that reports double clicks (the mode pictures).

#include <QLabel>

namespace nanbaru {

class PictureLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace nanbaru
