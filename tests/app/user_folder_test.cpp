// The desktop menu's start folder: made ready on first use so that the first Enter finds
// 鹿沼市, and left alone once the user has settings of their own there.
#include "app/user_folder.h"

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "platform/data_location.h"
#include "platform/errors.h"
#include "settings_files.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace fs = std::filesystem;

namespace {

// Paths to and from UTF-8 text, whatever the system's own narrow code page.
fs::path PathOf(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}
std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

const fs::path kPostal = PathOf(NANBARU_BUNDLED_DATA) / PathOf(kBundledPostalList);
const fs::path kArea = PathOf(NANBARU_BUNDLED_DATA) / PathOf(kBundledAreaFile);

}  // namespace

class UserFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void firstUseGivesAWindowReadyForTheFirstEnter() {
    WorkDir scratch;
    const fs::path folder = PathOf(scratch.path().toStdString()) / "share" / "nanbaru";
    EnterUserFolder(folder, kPostal, kArea);
    QCOMPARE(fs::current_path(), folder);
    const Bytes postal = Utf8ToSjis(Utf8(kPostal));
    QCOMPARE(SettingsBytes(),
             JoinLines({postal, Sj("鹿沼市"), "", "", Sj("栃木県"), "131", "104", postal}));
    QCOMPARE(FileBytes(std::string(kBundledAreaFile)), FileBytes(Utf8(kArea)));

    ScriptedServices services;
    TForm1 w(services);
    QVERIFY(services.boxes.empty());
    QTest::keyClick(w.query_box, Qt::Key_Return);
    QVERIFY(PaneLines(*w.result_pane).size() > 3);
    QVERIFY(PaneLines(*w.result_pane).front().find(Sj("鹿沼市")) != Bytes::npos);
    QVERIFY(services.boxes.empty());
  }

  void theUsersOwnFilesAreKept() {
    WorkDir scratch;
    const fs::path folder = PathOf(scratch.path().toStdString());
    WriteSettingsLines({"/mine/KEN_ALL.CSV", "q"});
    WriteSettingsLines({"0123      mine"}, "郵電話.txt");
    const Bytes settings = SettingsBytes();
    EnterUserFolder(folder, kPostal, kArea);
    QCOMPARE(SettingsBytes(), settings);
    QCOMPARE(FileBytes("郵電話.txt"), JoinLines({"0123      mine"}));
  }

  // The window could not name it as its start directory: nothing is made, and the window
  // starts where it is.
  void aFolderShiftJisCannotHoldIsRefused() {
    WorkDir scratch;
    const fs::path here = fs::current_path();
    const fs::path folder = here / PathOf("café");
    bool refused = false;
    try {
      EnterUserFolder(folder, kPostal, kArea);
    } catch (const InOutError&) {
      refused = true;
    }
    QVERIFY(refused);
    QCOMPARE(fs::current_path(), here);
    QVERIFY(!fs::exists(folder));
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::UserFolderTest)
#include "user_folder_test.moc"
