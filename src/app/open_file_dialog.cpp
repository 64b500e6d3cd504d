#include "app/open_file_dialog.h"

#include <QAbstractItemView>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>

namespace nanbaru {

OpenFileDialog::OpenFileDialog(QWidget* parent) : QFileDialog(parent) {
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
}

void OpenFileDialog::accept() {
  if (!FilterByTypedPattern()) QFileDialog::accept();
}

// Enter on a pattern would otherwise meet a disabled Open button and do nothing.
void OpenFileDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::NoModifier && FilterByTypedPattern()) return;
  QFileDialog::keyPressEvent(event);
}

bool OpenFileDialog::FilterByTypedPattern() {
  auto* name_edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  auto* model = findChild<QFileSystemModel*>();
  if (name_edit == nullptr || model == nullptr) return false;
  QString typed = name_edit->text().trimmed();
  if (!typed.contains(u'*') && !typed.contains(u'?')) return false;
  // A folder in front of the pattern is entered first.
  const qsizetype slash = typed.lastIndexOf(u'/');
  if (slash >= 0) {
    setDirectory(directory().absoluteFilePath(typed.left(slash + 1)));
    typed = typed.mid(slash + 1);
  }
  // The choice of file types stays as it is; choosing another one filters by that again.
  // "*.*" means every file, names without a dot too.
  QStringList patterns = typed.split(u';', Qt::SkipEmptyParts);
  for (QString& pattern : patterns) {
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
  }
  model->setNameFilters(patterns);
  // Typing selected what the name matched so far (the folder in front, say); none of it is
  // chosen now.
  if (auto* list = findChild<QAbstractItemView*>(QStringLiteral("listView")))
    list->clearSelection();
  name_edit->setText(typed);
  return true;
}

}  // namespace nanbaru
