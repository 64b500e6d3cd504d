// The window's construction, the binding of its events, the error guard and the hints.
#include "app/tform1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

#include "app/caption_bytes.h"
#include "app/hint_text.h"
#include "platform/errors.h"
#include "results/result_pane.h"
#include "search/area_search.h"
#include "search/dispatch.h"
#include "search/postal_search.h"

namespace nanbaru {

TForm1::TForm1(PlatformServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  CreateControls();
  CreateMenu();
  BindEvents();
  move(104, 131);
  resize(595, 451);  // The outer size, less the frame once it is known (showEvent).
  PlaceStatusLine();
  fore();
  StartHintTracking();
  Guard([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::BindEvents() {
  const auto bind = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
  };
  bind(SpeedButton1, &QToolButton::clicked, &TForm1::SpeedButton1Click);
  bind(SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
  bind(SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
  bind(SpeedButton4, &QToolButton::clicked, &TForm1::SpeedButton4Click);
  bind(SpeedButton5, &QToolButton::clicked, &TForm1::SpeedButton5Click);
  bind(SpeedButton6, &QToolButton::clicked, &TForm1::SpeedButton6Click);
  bind(SpeedButton7, &QToolButton::clicked, &TForm1::SpeedButton7Click);
  bind(SpeedButton8, &QToolButton::clicked, &TForm1::SpeedButton8Click);
  bind(SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);
  bind(BitBtn1, &QPushButton::clicked, &TForm1::BitBtn1Click);
  bind(Image1, &PictureLabel::doubleClicked, &TForm1::Image1DblClick);
  bind(Image2, &PictureLabel::doubleClicked, &TForm1::Image2DblClick);
  auto* result_pane = static_cast<ResultPane*>(Memo1);
  bind(result_pane, &ResultPane::clicked, &TForm1::memocli);
  bind(result_pane, &ResultPane::doubleClicked, &TForm1::Memo1DblClick);
  bind(save1, &QAction::triggered, &TForm1::save1Click);
  bind(K1, &QAction::triggered, &TForm1::K1Click);
  bind(exit1, &QAction::triggered, &TForm1::exit1Click);
  bind(font1, &QAction::triggered, &TForm1::font1Click);

  // The prefecture is read for every line of a postal scan: keep its bytes at hand.
  connect(Edit3, &QLineEdit::textChanged, this, [this] { pref_text_ = EditBytes(Edit3); });
  // The keyboard delivers to the query box itself, which hands keys on to its edit field
  // directly, past any filter there: watch the box.
  ComboBox1->installEventFilter(this);
  client_->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == ComboBox1) {
    const auto* key_event = static_cast<QKeyEvent*>(event);
    const int key = key_event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guard([this] { combopress(kEnterKey); });
    } else if (!key_event->text().isEmpty()) {
      const Bytes typed = TextOf(key_event->text());
      if (!typed.empty()) Guard([this, &typed] { combopress(typed.front()); });
    }
    // The key always goes on to the box.
    return false;
  }
  if (event->type() == QEvent::Resize && watched == client_) PlaceStatusLine();
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::PlaceStatusLine() {
  Panel2->setGeometry(0, client_->height() - Panel2->height(), client_->width(), Panel2->height());
}

void TForm1::combopress(char key) {
  HandleQueryKey(*this, key);
}
void TForm1::SpeedButton2Click() {
  RunAreaSearch(*this);
}
void TForm1::SpeedButton5Click() {
  RunPostalSearch(*this);
}

bool TForm1::Guard(const std::function<void()>& handler) {
  QString message;
  try {
    handler();
    return true;
  } catch (const AppError& error) {
    message = ScreenText(error.message());
  } catch (const std::exception& error) {
    message = QString::fromUtf8(error.what());
  }
  services().ShowError(this, ProgramTitle(), message + u'.');
  return false;
}

QString TForm1::ProgramTitle() const {
  return ProgramTitleOf(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

QString TForm1::ProgramTitleOf(const QString& program_file_name) {
  const QString stem = program_file_name.section(u'.', 0, 0);
  return stem.left(1) + stem.mid(1).toLower();
}

void TForm1::SetHint(QWidget* control, const Bytes& hint, bool show_tip) {
  const QString text = ScreenText(hint);
  control->setProperty(kHintProperty, text);
  control->setToolTip(show_tip ? TipPart(text) : QString());
}

void TForm1::SetHint(QAction* item, const Bytes& hint) {
  item->setProperty(kHintProperty, ScreenText(hint));
}

}  // namespace nanbaru
