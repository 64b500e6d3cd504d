// The window's construction, the binding of its events, the error guard and the hints.
#include "app/tform1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

#include "app/edit_bytes.h"
#include "app/hint_text.h"
#include "platform/errors.h"
#include "results/result_pane.h"
#include "search/area_search.h"
#include "search/dispatch.h"
#include "search/postal_search.h"

namespace nanbaru {

TForm1::TForm1(WindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  CreateControls();
  CreateMenu();
  CreateKeyboardCommands();
  BindEvents();
  move(104, 131);
  resize(595, 451);  // The outer size, less the frame once it is known (showEvent).
  // Smaller, the panes would cover the boxes and the exit button would be cut off: the tool
  // bar and the exit button reach x 473, and the result pane keeps a few lines below y 88.
  setMinimumSize(480, 300);
  PlaceStatusLine();
  FitPanesToWindow();
  StartHintTracking();
  Guard([this] { FormCreate(); });
  Guard([this] { TellIfListIsStale(); });
}

TForm1::~TForm1() = default;

void TForm1::BindEvents() {
  const auto bind = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
  };
  bind(postal_search_button, &QToolButton::clicked, &TForm1::PostalSearchClick);
  bind(area_search_button, &QToolButton::clicked, &TForm1::AreaSearchClick);
  bind(choose_postal_file_button, &QToolButton::clicked, &TForm1::ChoosePostalFileClick);
  bind(choose_postal_file_item, &QAction::triggered, &TForm1::ChoosePostalFileClick);
  bind(update_list_item, &QAction::triggered, &TForm1::UpdateListClick);
  bind(phone_mode_button, &QToolButton::clicked, &TForm1::PhoneModeClick);
  bind(postal_mode_picture, &PictureLabel::doubleClicked, &TForm1::PhoneModeClick);
  bind(postal_mode_button, &QToolButton::clicked, &TForm1::PostalModeClick);
  bind(phone_mode_picture, &PictureLabel::doubleClicked, &TForm1::PostalModeClick);
  bind(copy_button, &QToolButton::clicked, &TForm1::CopySelectionClick);
  bind(side_copy_button, &QToolButton::clicked, &TForm1::CopySelectionClick);
  bind(clipboard_query_button, &QToolButton::clicked, &TForm1::ClipboardQueryClick);
  bind(side_clipboard_query_button, &QToolButton::clicked, &TForm1::ClipboardQueryClick);
  bind(exit_button, &QPushButton::clicked, &TForm1::ExitClick);
  bind(exit_item, &QAction::triggered, &TForm1::ExitClick);
  auto* results = static_cast<ResultPane*>(result_pane);
  bind(results, &ResultPane::clicked, &TForm1::ResultPaneClick);
  bind(results, &ResultPane::doubleClicked, &TForm1::ResultPaneDoubleClick);
  bind(save_item, &QAction::triggered, &TForm1::SaveCollectionClick);
  bind(about_item, &QAction::triggered, &TForm1::AboutClick);

  // The searches take the prefecture by reference: keep its bytes at hand.
  connect(pref_box, &QLineEdit::textChanged, this, [this] { pref_text_ = EditBytes(pref_box); });
  // The keyboard delivers to the query box itself, which hands keys on to its edit field
  // directly, past any filter there: watch the box.
  query_box->installEventFilter(this);
  client_->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == query_box) {
    const auto* key_event = static_cast<QKeyEvent*>(event);
    const int key = key_event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guard([this] { QueryKeyPress(kEnterKey); });
    } else if (!key_event->text().isEmpty()) {
      const Bytes typed = TextOf(key_event->text());
      if (!typed.empty()) Guard([this, &typed] { QueryKeyPress(typed.front()); });
    }
    // The key always goes on to the box.
    return false;
  }
  if (event->type() == QEvent::Resize && watched == client_) PlaceStatusLine();
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::PlaceStatusLine() {
  status_line->setGeometry(0, client_->height() - status_line->height(), client_->width(),
                           status_line->height());
}

void TForm1::QueryKeyPress(char key) {
  HandleQueryKey(*this, key);
}
void TForm1::AreaSearchClick() {
  RunAreaSearch(*this);
}
void TForm1::PostalSearchClick() {
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
