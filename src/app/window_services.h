#pragma once
// What the window's handlers use beyond their own controls: message boxes, file dialogs, the
// clipboard and the current directory. The program uses the real ones (QtWindowServices); the
// window tests script them.

#include <QString>
#include <QStringList>

#include "common/bytes.h"

class QWidget;

namespace nanbaru {

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // The error box: stop icon, one OK button, the given caption and text.
  virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The information box: title "情報", information icon, one "OK" button (default and Escape).
  virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
  // A question: title "確認", question icon, buttons "はい(&Y)" and "いいえ(&N)", the latter the
  // default and the answer to Escape. True for はい.
  virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;

  // The open-file dialog, offering `file_name` first and the given filters (the first one
  // selected). True and the chosen file's full path when the user confirms.
  virtual bool RunOpenDialog(QWidget* parent, const QString& file_name, const QStringList& filters,
                             QString& chosen) = 0;
  // The save-file dialog: no filter, no default extension (a name is taken as typed), and the
  // platform's own question before an existing file is replaced.
  virtual bool RunSaveDialog(QWidget* parent, const QString& file_name, QString& chosen) = 0;

  // The clipboard, in its text form. An empty text when it holds no text.
  virtual QString ClipboardText() = 0;
  virtual void SetClipboardText(const QString& text) = 0;

  // The process's current directory as Shift-JIS; both throw InOutError.
  virtual Bytes CurrentDir() = 0;
  virtual void ChangeDir(const Bytes& dir) = 0;
  // The current directory as the system names it, to be shown when Shift-JIS cannot hold
  // the name; throws InOutError.
  virtual QString CurrentDirName() = 0;
};

// The real services: Qt's dialogs and message boxes, the system clipboard, the process's
// current directory.
class QtWindowServices : public WindowServices {
 public:
  void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
  void ShowInformation(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& text) override;
  bool RunOpenDialog(QWidget* parent, const QString& file_name, const QStringList& filters,
                     QString& chosen) override;
  bool RunSaveDialog(QWidget* parent, const QString& file_name, QString& chosen) override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& text) override;
  Bytes CurrentDir() override;
  void ChangeDir(const Bytes& dir) override;
  QString CurrentDirName() override;
};

}  // namespace nanbaru
