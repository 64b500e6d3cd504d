#pragma once
// The main window. Its controls keep their layout names; its methods are the event handlers.
// The handlers are spread over a few files by concern:
//   tform1.cpp            construction, event bindings, the error guard, screen texts
//   tform1_layout.cpp     the controls with their places, texts, hints and tab order
//   tform1_host.cpp       the search host on the controls
//   tform1_hints.cpp      ShowAppHint and the status line
//   tform1_window.cpp     fore (resize), About, the exits
//   tform1_settings.cpp   FormCreate, FormClose, the settings file
//   tform1_modes.cpp      the two modes and the choice of the postal data file
//   tform1_panes.cpp      memocli, Memo1DblClick, the panes' line model
//   tform1_clipboard.cpp  copy, clipboard to query, saving the collection

#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/platform_services.h"
#include "common/bytes.h"
#include "search/search_host.h"
#include "search/shared_state.h"

namespace nanbaru {

// A label that reports double clicks (the mode pictures).
class PictureLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// What a file dialog remembers between uses in one run.
struct FileDialogState {
  QString file_name;    // Offered first: the last file chosen, or the initial name.
  QStringList filters;  // "Description (*.ext)" entries; the first is selected.
};

class TForm1 : public QMainWindow, public SearchHost {
  Q_OBJECT

 public:
  // `services` must outlive the window. FormCreate runs inside the constructor, under the
  // error guard, as the window's creation does.
  explicit TForm1(PlatformServices& services, QWidget* parent = nullptr);
  ~TForm1() override;

  // ---- Controls, under their layout names ----
  QComboBox* ComboBox1 = nullptr;
  QLineEdit* Edit1 = nullptr;       // old postal code
  QLineEdit* Edit2 = nullptr;       // new postal code
  QLineEdit* Edit3 = nullptr;       // prefecture
  QLineEdit* Edit4 = nullptr;       // hidden staging box of the clipboard-to-query action
  QPlainTextEdit* Memo1 = nullptr;  // result pane
  QPlainTextEdit* Memo2 = nullptr;  // collection pane
  QLabel* Label1 = nullptr;         // count label
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;  // column header
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;   // hidden: postal data file last chosen
  QLabel* Label9 = nullptr;   // hidden: start directory
  QLabel* Label11 = nullptr;  // hidden: data file of the last area-code search
  QFrame* Panel1 = nullptr;   // tool bar
  QLabel* Panel2 = nullptr;   // status line
  QFrame* Panel3 = nullptr;   // column header bar
  QFrame* Panel4 = nullptr;   // beside the collection pane
  QFrame* Panel5 = nullptr;   // holds the count label
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  QToolButton* SpeedButton6 = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  PictureLabel* Image1 = nullptr;
  PictureLabel* Image2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QMenuBar* MainMenu1 = nullptr;
  QMenu* file1 = nullptr;
  QAction* save1 = nullptr;
  QAction* K1 = nullptr;
  QAction* exit1 = nullptr;
  QAction* font1 = nullptr;
  FileDialogState OpenDialog1;
  FileDialogState SaveDialog1;

  // ---- Shared values of the window's parts ----
  SharedState shared;
  Bytes SaveFileName;

  // ---- Event handlers ----
  void FormCreate();
  // Returns whether the close may go ahead (false when the settings file could not be written).
  bool FormClose();
  void ShowAppHint();
  void fore();
  void BitBtn1Click();
  void exit1Click();
  void font1Click();
  void combopress(char key);
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  void Image1DblClick();
  void Image2DblClick();
  void K1Click();
  void save1Click();
  void memocli();
  void Memo1DblClick();

  // Runs one handler; an error that escapes it is shown in the error box, once, and the
  // window goes on. Returns false when an error was shown.
  bool Guard(const std::function<void()>& handler);
  // The error box's caption: the program file's name cut before its first full stop, every
  // character after the first in lower case.
  QString ProgramTitle() const;
  static QString ProgramTitleOf(const QString& program_file_name);

  // Shift-JIS texts of controls, converted at the screen boundary.
  static Bytes TextOf(const QString& text);
  static QString ScreenText(const Bytes& bytes);
  // The hint of a control: the tip before the first "|", the status part after it.
  void SetHint(QWidget* control, const Bytes& hint, bool show_tip);
  void SetHint(QAction* item, const Bytes& hint);
  // The run-time font of every control that shows text (FormCreate's first step).
  void SetRunTimeFonts();

  // ---- Hint tracking (feeds ShowAppHint) ----
  // The status part of the hint of `control`, or of its nearest parent that has one.
  QString HintFor(QWidget* control) const;
  // Makes `text` the current hint text; ShowAppHint runs only when it changes.
  void UpdateHint(const QString& text);

  // ---- SearchHost ----
  SharedState& Shared() override { return shared; }
  Bytes QueryText() override;
  void SetQueryText(const Bytes& text) override;
  bool QueryBusy() override;
  void SetQueryBusy(bool busy) override;
  void AddHistory(const Bytes& text) override;
  Bytes OldCodeText() override;
  Bytes NewCodeText() override;
  void SetNewCodeText(const Bytes& text) override;
  const Bytes& PrefText() override;
  void SetPrefText(const Bytes& text) override;
  void SetCountLabel(const Bytes& text) override;
  void SetStatus(const Bytes& text) override;
  void SetStatusColour(StatusColour colour) override;
  void ClearResults() override;
  void AppendResult(const Bytes& line) override;
  void ProcessEvents() override;
  bool EventsCanInterleave() const override { return true; }
  std::unique_ptr<TextReader> OpenDataFile(const Bytes& path) override;
  void ChooseDataFile() override;
  Bytes StartDir() override;
  void EnterDir(const Bytes& dir) override;
  void SetLastAreaFile(const Bytes& path) override;

  PlatformServices& services() { return services_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void BindEvents();
  void WriteSettingsFile();
  void PlaceStatusLine();
  void StartHintTracking();

  QWidget* client_ = nullptr;    // The client area: parent of the window's own controls.
  bool outer_size_set_ = false;  // The layout's outer size is met once the frame is known.

  PlatformServices& services_;
  Bytes pref_text_;            // Shift-JIS copy of Edit3, kept in step with its edits.
  QString current_hint_;       // The status part last copied into the status line.
  QElapsedTimer events_turn_;  // Since the search last let pending events run.
};

}  // namespace nanbaru
