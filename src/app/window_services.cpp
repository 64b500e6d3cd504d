#include "app/window_services.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/open_file_dialog.h"
#include "platform/paths.h"

namespace nanbaru {

void QtWindowServices::ShowError(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtWindowServices::ShowInformation(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QString::fromUtf8("情報"), text, QMessageBox::Ok,
                  parent);
  QAbstractButton* ok = box.button(QMessageBox::Ok);
  ok->setText(QStringLiteral("OK"));
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(ok);
  box.exec();
}

bool QtWindowServices::AskYesNo(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8("確認"), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QString::fromUtf8("はい(&Y)"));
  box.button(QMessageBox::No)->setText(QString::fromUtf8("いいえ(&N)"));
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

namespace {

bool RunFileDialog(QFileDialog& dialog, const QString& file_name, QString& chosen) {
  if (!file_name.isEmpty()) dialog.selectFile(file_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  // Qt answers with "/" on every system; the name is shown and stored as the system writes it.
  chosen = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  return true;
}

}  // namespace

bool QtWindowServices::RunOpenDialog(QWidget* parent, const QString& file_name,
                                     const QStringList& filters, QString& chosen) {
  OpenFileDialog dialog(parent);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.constFirst());
  }
  return RunFileDialog(dialog, file_name, chosen);
}

bool QtWindowServices::RunSaveDialog(QWidget* parent, const QString& file_name, QString& chosen) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The file name is typed in an edit field and need not exist yet.
  dialog.setFileMode(QFileDialog::AnyFile);
  return RunFileDialog(dialog, file_name, chosen);
}

QString QtWindowServices::ClipboardText() {
  return QGuiApplication::clipboard()->text();
}

void QtWindowServices::SetClipboardText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
}

Bytes QtWindowServices::CurrentDir() {
  return nanbaru::CurrentDir();
}
void QtWindowServices::ChangeDir(const Bytes& dir) {
  nanbaru::ChangeDir(dir);
}
QString QtWindowServices::CurrentDirName() {
  return QString::fromStdString(CurrentDirUtf8());
}

}  // namespace nanbaru
