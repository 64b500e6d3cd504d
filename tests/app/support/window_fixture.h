#pragma once
// What most window tests share: a window on scripted services in its own working directory,
// the bundled data files, and the screen's side of texts and windows.

#include <QApplication>
#include <QString>
#include <QTest>
#include <memory>

#include "app/tform1.h"
#include "common/bytes.h"
#include "platform/data_location.h"
#include "platform/sjis_codec.h"
#include "support/pane_lines.h"
#include "support/scripted_services.h"
#include "support/work_dir.h"

namespace nanbaru::test {

// The bundled data folder with a trailing separator, as the start directory holds it, and
// the data files in it (Shift-JIS paths). Inline: the folder is known to the test programs.
inline Bytes DataDir() {
  return Utf8ToSjis(NANBARU_BUNDLED_DATA "/");
}
inline Bytes PostalDataPath() {
  return DataDir() + Bytes(kBundledPostalList);
}
inline Bytes AreaDataPath() {
  return DataDir() + Sj("郵電話.txt");
}

// A fixed text as the screen shows it.
inline QString Screen(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// Whether the program's file dialogs are the system's own (Windows), not Qt's widgets.
inline bool SystemFileDialogs() {
  return QGuiApplication::platformName() == QStringLiteral("windows");
}

// Shows a window and waits until it is the active one, so that keys and focus reach it.
inline void ShowActive(QWidget& widget) {
  widget.show();
  QApplication::setActiveWindow(&widget);
  QVERIFY(QTest::qWaitForWindowActive(&widget));
}

struct WindowFixture {
  WorkDir work_dir;
  ScriptedServices services;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(services);
};

}  // namespace nanbaru::test
