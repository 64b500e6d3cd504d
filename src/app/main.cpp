// The program: one window on the application's event loop.
#include <QApplication>

#include "app/pictures.h"
#include "app/platform_services.h"
#include "app/tform1.h"
#include "app/translations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  nanbaru::InstallJapaneseTranslations(application);
  application.setWindowIcon(nanbaru::Picture("nanbaru"));
  nanbaru::QtPlatformServices services;
  nanbaru::TForm1 form(services);
  form.show();
  return application.exec();
}
