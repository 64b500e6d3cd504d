// The status line follows the hint of whatever the mouse points at, or of the highlighted
// menu item.
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenuBar>
#include <QMouseEvent>

#include "app/hint_text.h"
#include "app/tform1.h"

namespace nanbaru {

namespace {

// Watches every pointer movement of the application and hands the hint under the pointer to
// the window. Menus report their highlighted item themselves.
class HintTracker : public QObject {
 public:
  explicit HintTracker(TForm1* form) : QObject(form), form_(form) {}

  void Refresh(const QPoint& global_position) {
    QWidget* control = QApplication::widgetAt(global_position);
    // A menu reports its own items; a pop-up tip is no control of the window.
    if (control != nullptr && (qobject_cast<QMenu*>(control->window()) != nullptr ||
                               control->window()->windowType() == Qt::ToolTip))
      return;
    form_->UpdateHint(control == nullptr ? QString() : form_->HintFor(control));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
      case QEvent::HoverMove:
        if (watched->isWidgetType())
          Refresh(static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint());
        break;
      case QEvent::Leave:
        if (watched->isWidgetType()) Refresh(QCursor::pos());
        break;
      default:
        break;
    }
    return false;
  }

 private:
  TForm1* form_;
};

QString ItemHint(const QAction* item) {
  return item == nullptr ? QString() : StatusPart(item->property(kHintProperty).toString());
}

}  // namespace

void TForm1::StartHintTracking() {
  auto* tracker = new HintTracker(this);
  qApp->installEventFilter(tracker);
  const auto show_item = [this](QAction* item) { UpdateHint(ItemHint(item)); };
  connect(menu_bar, &QMenuBar::hovered, this, show_item);
  connect(settings_menu, &QMenu::hovered, this, show_item);
  connect(settings_menu, &QMenu::aboutToHide, this,
          [tracker] { tracker->Refresh(QCursor::pos()); });
}

QString TForm1::HintFor(QWidget* control) const {
  for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
    const QString hint = w->property(kHintProperty).toString();
    if (!hint.isEmpty()) return StatusPart(hint);
    if (w->isWindow()) break;
  }
  return {};
}

void TForm1::UpdateHint(const QString& text) {
  if (text == current_hint_) return;
  current_hint_ = text;
  ShowAppHint();
}

void TForm1::ShowAppHint() {
  status_line->setText(current_hint_);
}

}  // namespace nanbaru
