// The program: one window on the application's event loop.
#include <QApplication>
#include <QFileInfo>
#include <string>
#include <string_view>

#include "app/pictures.h"
#include "app/screen_text.h"
#include "app/tform1.h"
#include "app/translations.h"
#include "app/user_folder.h"
#include "app/window_services.h"
#include "platform/command_line.h"
#include "platform/data_location.h"
#include "platform/errors.h"
#include "platform/native_name.h"

namespace {

// Also the manual page's synopsis and options: keep the two in step.
constexpr char kSynopsis[] =
    "usage:\n"
    "  nanbaru [--user-folder]\n"
    "  nanbaru --help | --version\n";
constexpr char kOptions[] =
    "\n"
    "options:\n"
    "  --user-folder  start in the user's own folder, made ready on first use\n"
    "  --help         this text\n"
    "  --version      the program's name and version\n";

// The desktop menu's start: the per-user folder instead of the folder the program was
// started in. A failure is shown in the error box, and the window starts where it is.
void EnterUserFolder(nanbaru::WindowServices& services) {
  try {
    using nanbaru::BundledDataFile, nanbaru::NativeNameOf;
    nanbaru::EnterUserFolder(nanbaru::UserDataFolder(),
                             NativeNameOf(BundledDataFile(nanbaru::kBundledPostalList)).path,
                             NativeNameOf(BundledDataFile(nanbaru::kBundledAreaFile)).path);
  } catch (const nanbaru::AppError& e) {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    services.ShowError(nullptr, nanbaru::TForm1::ProgramTitleOf(program),
                       nanbaru::ScreenText(e.message()) + u'.');
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that they need no display.
  if (argc > 1) nanbaru::UseParentConsole();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      nanbaru::WriteStandardOutput("nanbaru " NANBARU_VERSION "\n", true);
      return 0;
    }
    if (arg == "--help" || arg == "-h") {
      nanbaru::WriteStandardOutput(std::string(kSynopsis) + kOptions, true);
      return 0;
    }
  }
  // Takes Qt's own options (-platform, -style, ...) out of argc and argv.
  QApplication application(argc, argv);
  nanbaru::InstallJapaneseTranslations(application);
  bool user_folder = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) != "--user-folder") {
      nanbaru::WriteStandardError(std::string("nanbaru: unknown option ") + argv[i] + "\n" +
                                  kSynopsis);
      return 2;
    }
    user_folder = true;
  }
  application.setWindowIcon(nanbaru::Picture("nanbaru"));
  nanbaru::QtWindowServices services;
  if (user_folder) EnterUserFolder(services);
  nanbaru::TForm1 form(services);
  form.show();
  return application.exec();
}
