#include "app/input_method.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#ifdef Q_OS_WIN
// imm.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <imm.h>
// clang-format on
#endif

namespace nanbaru {

#ifdef Q_OS_WIN
namespace {

// Switches the window's input context to hiragana whenever the control gets the focus.
class HiraganaOnFocus : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      const HWND window = reinterpret_cast<HWND>(static_cast<QWidget*>(watched)->window()->winId());
      if (const HIMC context = ImmGetContext(window)) {
        ImmSetOpenStatus(context, TRUE);
        DWORD conversion = 0;
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, sentence);
        ImmReleaseContext(window, context);
      }
    }
    return false;
  }
};

}  // namespace
#endif

void UseHiraganaInput(QWidget* control) {
  control->setAttribute(Qt::WA_InputMethodEnabled, true);
#ifdef Q_OS_WIN
  control->installEventFilter(new HiraganaOnFocus(control));
#endif
}

void UseNoInputMethod(QWidget* control) {
  control->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace nanbaru
