#pragma once
// The main window: its controls and state, and its event handlers.
//
// Data flows one way through the window. A handler reads the controls as Shift-JIS (through
// screen_text.h) and hands the work to a search in src/search, which sees the window only as
// its SearchHost: it reads the query, code and prefecture boxes and reports through the count
// label, the status line and the result pane. The panes keep their lines as Shift-JIS bytes
// (src/results), so a line collected into the collection pane and saved is the line the data
// file held. Clipboard, dialogs, message boxes and the current directory go through
// WindowServices. The handlers are spread over tform1_*.cpp by concern, each file named for it.

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
#include <string>
#include <vector>

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

  // ---- Controls, by role (tform1_layout.h maps them to the layout's names) ----
  QLabel* query_label = nullptr;
  QComboBox* query_box = nullptr;  // The query, with the history of searches.
  QFrame* tool_bar = nullptr;
  QToolButton* postal_search_button = nullptr;  // Shown in postal mode.
  QToolButton* area_search_button = nullptr;    // Shown in phone mode.
  QToolButton* choose_postal_file_button = nullptr;
  QToolButton* phone_mode_button = nullptr;
  QToolButton* postal_mode_button = nullptr;
  QToolButton* copy_button = nullptr;
  QToolButton* clipboard_query_button = nullptr;
  QPushButton* exit_button = nullptr;
  // The filter boxes of postal mode and their labels.
  QLabel* old_code_label = nullptr;
  QLabel* new_code_label = nullptr;
  QLabel* pref_label = nullptr;
  QLineEdit* old_code_box = nullptr;
  QLineEdit* new_code_box = nullptr;
  QLineEdit* pref_box = nullptr;
  // The picture of the mode shown; a double click switches to the other mode.
  PictureLabel* postal_mode_picture = nullptr;
  PictureLabel* phone_mode_picture = nullptr;
  QFrame* count_frame = nullptr;
  QLabel* count_label = nullptr;
  QFrame* column_header_bar = nullptr;
  QLabel* column_header = nullptr;
  QPlainTextEdit* result_pane = nullptr;
  QPlainTextEdit* collection_pane = nullptr;
  // Beside the collection pane: its copy button, and a hidden twin of the clipboard query.
  QFrame* collection_bar = nullptr;
  QToolButton* side_copy_button = nullptr;
  QToolButton* side_clipboard_query_button = nullptr;
  // Hidden: the clipboard's first line passes through it on its way to the query box.
  QLineEdit* clipboard_line_box = nullptr;
  QLabel* status_line = nullptr;
  QMenuBar* menu_bar = nullptr;
  QMenu* settings_menu = nullptr;
  QAction* save_item = nullptr;
  QAction* choose_postal_file_item = nullptr;
  QAction* update_list_item = nullptr;
  QAction* exit_item = nullptr;
  QAction* about_item = nullptr;
  FileDialogState postal_file_dialog;
  FileDialogState save_dialog;

  // ---- Shared values of the window's parts ----
  SharedState shared;
  // Shift-JIS paths, each first the layout's text of the hidden label it replaces
  // (tform1_layout.h).
  Bytes postal_file;     // The postal data file last chosen: line 8 of the settings file.
  Bytes start_folder;    // The start directory, with its trailing separator.
  Bytes last_area_file;  // The data file of the last area-code search.
  QString SaveFileName;  // As the save dialog gave it: it is never stored in a file.
  // Where the update fetches the list from; empty for the postal service's addresses (the
  // tests give a loopback server's).
  std::vector<std::string> list_addresses;

  // ---- Event handlers ----
  void FormCreate();  // Fonts, settings file, start-up mode.
  // Writes the settings file; returns whether the close may go ahead (false when it could not
  // be written).
  bool FormClose();
  void ShowAppHint();            // The current hint into the status line.
  void FitPanesToWindow();       // Resize: the panes and bars follow the window's size.
  void ExitClick();              // The exit button and menu item.
  void AboutClick();             // The About box.
  void QueryKeyPress(char key);  // A key in the query box: Enter searches.
  void ChoosePostalFileClick();  // Its button and menu item; also a postal search's way out.
  void UpdateListClick();        // The list fetched, checked, put in place; the changes listed.
  void TellIfListIsStale();      // At start: the status line says when the list is old.
  // The postal list's edition, kind, record count and path, for the About box.
  Bytes ListInUseText();
  void AreaSearchClick();
  void PhoneModeClick();   // Its button and the postal mode's picture.
  void PostalModeClick();  // Its button and the phone mode's picture.
  void PostalSearchClick();
  void ClipboardQueryClick();    // The clipboard's first line becomes the query.
  void CopySelectionClick();     // Copy the focused pane's selection.
  void SaveCollectionClick();    // Save the collection pane to a file.
  void ResultPaneClick();        // The clicked line's number into the count label.
  void ResultPaneDoubleClick();  // Collect the clicked result line into the collection pane.

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
  void CreateKeyboardCommands();
  void BindEvents();
  // The start folder as Shift-JIS; false, after saying why, when Shift-JIS cannot name it.
  bool TakeStartFolder(Bytes& dir);
  // Reads the settings file into the controls and the window's edges; false, after telling
  // the user, when the file is there but cannot be read.
  bool ReadSettingsFile(Bytes& top, Bytes& left);
  // Writes the settings file; one that could not be read at start is replaced only after the
  // user agrees.
  void WriteSettingsFile();
  void PlaceStatusLine();
  // Sizes the frame to the layout's outer size once, as soon as the frame is known.
  void MeetLayoutOuterSize();
  void StartHintTracking();

  QWidget* client_ = nullptr;    // The client area: parent of the window's own controls.
  bool outer_size_set_ = false;  // The layout's outer size is met once the frame is known.

  WindowServices& services_;
  Bytes unread_settings_;              // A settings file that was there but could not be read.
  bool start_folder_unnamed_ = false;  // Shift-JIS cannot name the start folder.
  Bytes pref_text_;                    // Shift-JIS copy of pref_box, kept in step with its edits.
  QString current_hint_;               // The status part last copied into the status line.
  QElapsedTimer events_turn_;          // Since the search last let pending events run.
};

}  // namespace nanbaru
