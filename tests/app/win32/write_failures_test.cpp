// Writes Windows refuses: a read-only file and a file another program holds open, for the
// settings file at closing and for a save. Each shows the system's error, leaves the old file
// as it was and keeps the window; once the file is free again the write goes through.
#include <windows.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "platform/errors.h"
#include "settings_files.h"
#include "support/saving.h"

namespace nanbaru::test {

namespace {

std::wstring Wide(const QString& name) {
  return name.toStdWString();
}

// A way a file is made unwritable for as long as the returned guard lives, with the error
// the system gives for it. (Over a file held open, Wine answers "access denied" where Windows
// may answer "sharing violation".)
struct Refusal {
  const char* name;
  std::function<std::shared_ptr<void>(const QString&)> apply;
  std::vector<int> codes;
};

const Refusal kRefusals[] = {
    {"read-only",
     [](const QString& file) {
       SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_READONLY);
       return std::shared_ptr<void>(nullptr, [file](void*) {
         SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
       });
     },
     {io_code::kAccessDenied}},
    {"held by another program",
     [](const QString& file) {
       const HANDLE held = CreateFileW(Wide(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
       return std::shared_ptr<void>(held, [](void* h) { CloseHandle(h); });
     },
     {ERROR_SHARING_VIOLATION, io_code::kAccessDenied}},
};

// The files here but for the one Wine's own file replacement leaves behind when it fails
// (rf*.tmp, a step Windows does not have).
QStringList OursHere() {
  return Entries(".").filter(QRegularExpression(QStringLiteral("^(?!rf.*\\.tmp$)")));
}

bool ShowsOneOf(const QString& box, const std::vector<int>& codes) {
  for (const int code : codes) {
    if (box == ScreenText(InOutMessage(code) + ".")) return true;
  }
  return false;
}

}  // namespace

class WriteFailuresTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void refusedSettingsKeepTheWindowAndTheOldFile() {
    for (const Refusal& refusal : kRefusals) {
      Session s;
      WriteSettingsLines({"C:\\x\\KEN_ALL.CSV", "q", "", "", "p", "10", "20", "C:\\x"});
      const Bytes old = SettingsBytes();
      TForm1& w = s.Start();
      w.show();
      w.SetQueryText("changed");
      {
        const auto guard = refusal.apply(kSettingsName);
        QVERIFY2(!w.close(), refusal.name);
        QCOMPARE(s.services.boxes.size(), std::size_t{1});
        QVERIFY2(ShowsOneOf(s.services.boxes[0].text, refusal.codes),
                 qPrintable(s.services.boxes[0].text));
        QVERIFY(w.isVisible());
      }
      QCOMPARE(SettingsBytes(), old);
      QCOMPARE(OursHere(), QStringList{kSettingsName});
      QVERIFY2(w.close(), refusal.name);
      QVERIFY(Contains(SettingsBytes(), "\r\nchanged\r\n"));
    }
  }

  void refusedSaveKeepsTheOldFile() {
    for (const Refusal& refusal : kRefusals) {
      WindowFixture f;
      WriteFile("keep.txt", "old\r\n");
      f.form->collection_pane->setPlainText("new");
      {
        const auto guard = refusal.apply("keep.txt");
        Save(f, "keep.txt");
        QVERIFY2(ShowsOneOf(LastBox(f.services), refusal.codes), qPrintable(LastBox(f.services)));
      }
      QCOMPARE(FileBytes("keep.txt"), Bytes("old\r\n"));
      QCOMPARE(OursHere(), QStringList{"keep.txt"});
      Save(f, "keep.txt");
      QCOMPARE(FileBytes("keep.txt"), Bytes("new\r\n"));
    }
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::WriteFailuresTest)
#include "write_failures_test.moc"
