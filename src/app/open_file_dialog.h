#pragma once
// The open-file dialog: it takes only a file that exists, and a name typed with wildcards ("*"
// or "?") filters the listed files, as the platforms' native dialogs do, instead of naming a
// file. Where the platform shows its native dialog instead, that dialog does the same.

#include <QFileDialog>

namespace nanbaru {

class OpenFileDialog : public QFileDialog {
 public:
  explicit OpenFileDialog(QWidget* parent);

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Filters the list by a typed pattern; false when the typed name is no pattern.
  bool FilterByTypedPattern();
};

}  // namespace nanbaru
