#pragma once
// The main window: its controls under their layout names and its event handlers.
//
// Data flows one way through the window. A handler reads the controls as Shift-JIS (through
// screen_text.h) and hands the work to a search in src/search, which sees the window only as
// its SearchHost: it reads the query, code and prefecture boxes and reports through the count
// label, the status line and the result pane. The panes keep their lines as Shift-JIS bytes
// (src/results), so a line collected into Memo2 and saved is the line the data file held.
// Clipboard, dialogs, message boxes and the current directory go through WindowServices.
// The handlers are spread over tform1_*.cpp by concern, each file named for it.

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

#include "app/picture_label.h"
#include "app/screen_text.h"
#include "app/window_services.h"
#include "common/bytes.h"
#include "search/search_host.h"
#include "search/shared_state.h"

namespace nanbaru {

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
  explicit TForm1(WindowServices& services, QWidget* parent = nullptr);
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
  QFrame* Panel1 = nullptr;  // tool bar
  QLabel* Panel2 = nullptr;  // status line
  QFrame* Panel3 = nullptr;  // column header bar
  QFrame* Panel4 = nullptr;  // beside the collection pane
  QFrame* Panel5 = nullptr;  // holds the count label
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
  // Shift-JIS paths, first the layout's texts (tform1_layout.h).
  Bytes postal_file;     // The postal data file last chosen: line 8 of the settings file.
  Bytes start_folder;    // The start directory, with its trailing separator.
  Bytes last_area_file;  // The data file of the last area-code search.
  QString SaveFileName;  // As the save dialog gave it: it is never stored in a file.

  // ---- Event handlers ----
  void FormCreate();  // Fonts, settings file, start-up mode.
  // Writes the settings file; returns whether the close may go ahead (false when it could not
  // be written).
  bool FormClose();
  void ShowAppHint();   // The current hint into the status line.
  void fore();          // Resize: the panes and bars follow the window's size.
  void BitBtn1Click();  // Exit.
  void exit1Click();
  void font1Click();          // The About box.
  void combopress(char key);  // A key in the query box: Enter searches.
  void SpeedButton1Click();   // Choose the postal data file (as K1Click).
  void SpeedButton2Click();   // Area-code search.
  void SpeedButton3Click();   // Phone mode.
  void SpeedButton4Click();   // Postal mode.
  void SpeedButton5Click();   // Postal search.
  void SpeedButton6Click();   // The clipboard's first line becomes the query.
  void SpeedButton7Click();   // Copy the focused pane's selection.
  void SpeedButton8Click();   // As SpeedButton6Click.
  void SpeedButton9Click();   // As SpeedButton7Click.
  void Image1DblClick();      // Phone mode.
  void Image2DblClick();      // Postal mode.
  void K1Click();             // Choose the postal data file.
  void save1Click();          // Save the collection pane to a file.
  void memocli();             // The clicked line's number into the count label.
  void Memo1DblClick();       // Collect the clicked result line into Memo2.

  // Runs one handler; an error that escapes it is shown in the error box, once, and the
  // window goes on. Returns false when an error was shown.
  bool Guard(const std::function<void()>& handler);
  // The error box's caption: the program file's name cut before its first full stop, every
  // character after the first in lower case.
  QString ProgramTitle() const;
  static QString ProgramTitleOf(const QString& program_file_name);

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
  void EnterStartDir() override;
  void SetLastAreaFile(const Bytes& path) override;

  WindowServices& services() { return services_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void BindEvents();
  void WriteSettingsFile();
  void PlaceStatusLine();
  // Sizes the frame to the layout's outer size once, as soon as the frame is known.
  void MeetLayoutOuterSize();
  void StartHintTracking();

  QWidget* client_ = nullptr;    // The client area: parent of the window's own controls.
  bool outer_size_set_ = false;  // The layout's outer size is met once the frame is known.

  WindowServices& services_;
  Bytes pref_text_;            // Shift-JIS copy of Edit3, kept in step with its edits.
  QString current_hint_;       // The status part last copied into the status line.
  QElapsedTimer events_turn_;  // Since the search last let pending events run.
};

}  // namespace nanbaru
