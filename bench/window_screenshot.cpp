// Draws the window after the search 栃木県　鹿沼市 in 栃木県 on the bundled national list and
// saves the picture: window_screenshot FILE.png
// The window starts in a fresh folder from a settings file naming the list and the search,
// as a user's later start does.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>

#include "app/tform1.h"
#include "bench/quiet_services.h"
#include "platform/data_location.h"
#include "platform/sjis_codec.h"

namespace {

using nanbaru::Sj;

bool WriteSettings(const QString& folder) {
  const nanbaru::Bytes list =
      nanbaru::Utf8ToSjis(NANBARU_BUNDLED_DATA "/") + nanbaru::Bytes(nanbaru::kBundledPostalList);
  const nanbaru::Bytes lines[] = {list, Sj("栃木県　鹿沼市"), "", "", Sj("栃木県"), "131", "104",
                                  list};
  QFile file(folder + QStringLiteral("/nanbaru2.ini"));
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const nanbaru::Bytes& line : lines) file.write((line + "\r\n").c_str());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    std::fputs("usage: window_screenshot FILE.png\n", stderr);
    return 2;
  }
  const QString picture = QFileInfo(args[1]).absoluteFilePath();
  QTemporaryDir folder;
  if (!folder.isValid() || !WriteSettings(folder.path()) || !QDir::setCurrent(folder.path())) {
    std::fputs("could not prepare the working folder\n", stderr);
    return 1;
  }
  nanbaru::QuietServices services;
  nanbaru::TForm1 form(services);
  form.show();
  while (!form.windowHandle()->isExposed()) QCoreApplication::processEvents();
  form.postal_search_button->click();
  QCoreApplication::processEvents();
  if (!form.grab().save(picture)) {
    std::fputs("could not save the picture\n", stderr);
    return 1;
  }
  return 0;
}
