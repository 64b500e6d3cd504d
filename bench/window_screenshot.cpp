// Draws the window after the search 栃木県　鹿沼市 in 栃木県 on the bundled national list and
// saves the picture: window_screenshot FILE.png
#include <QApplication>
#include <QPixmap>
#include <QWindow>
#include <cstdio>

#include "app/tform1.h"
#include "bench/quiet_services.h"
#include "common/sjis_codec.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (QCoreApplication::arguments().size() != 2) {
    std::fputs("usage: window_screenshot FILE.png\n", stderr);
    return 2;
  }
  nanbaru::QuietServices services;
  nanbaru::TForm1 form(services);
  form.shared.DataFileName = nanbaru::Utf8ToSjis(NANBARU_BUNDLED_DATA "/KEN_ALL.CSV");
  form.ComboBox1->setEditText(QString::fromUtf8("栃木県　鹿沼市"));
  form.Edit1->clear();
  form.Edit2->clear();
  form.Edit3->setText(QString::fromUtf8("栃木県"));
  form.show();
  while (!form.windowHandle()->isExposed()) QCoreApplication::processEvents();
  form.SpeedButton5Click();
  QCoreApplication::processEvents();
  if (!form.grab().save(QCoreApplication::arguments()[1])) {
    std::fputs("could not save the picture\n", stderr);
    return 1;
  }
  return 0;
}
