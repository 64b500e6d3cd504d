#pragma once
// Window services for the window tests: message boxes are recorded instead of shown, file
// dialogs give queued answers, the clipboard is a plain text, the current directory is real.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/window_services.h"

namespace nanbaru::test {

class ScriptedServices : public WindowServices {
 public:
  struct Box {
    enum Kind { kError, kInformation } kind;
    QString caption;
    QString text;
  };
  struct DialogCall {
    QString file_name;
    QStringList filters;
  };

  std::vector<Box> boxes;
  // Questions asked, with the answers to give (はい for true); none left is いいえ.
  std::vector<QString> questions;
  std::deque<bool> answers;
  // Each dialog takes the next answer; nullopt, or no answer left, is a cancel.
  std::deque<std::optional<QString>> open_answers;
  std::deque<std::optional<QString>> save_answers;
  std::vector<DialogCall> open_calls;
  std::vector<DialogCall> save_calls;
  QString clipboard;
  // Runs whenever a box is shown, after it is recorded.
  std::function<void(const Box&)> on_box;

  void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
  void ShowInformation(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& text) override;
  bool RunOpenDialog(QWidget* parent, const QString& file_name, const QStringList& filters,
                     QString& chosen) override;
  bool RunSaveDialog(QWidget* parent, const QString& file_name, QString& chosen) override;
  QString ClipboardText() override { return clipboard; }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  Bytes CurrentDir() override;
  void ChangeDir(const Bytes& dir) override;
  QString CurrentDirName() override;
};

}  // namespace nanbaru::test
