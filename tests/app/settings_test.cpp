// Start-up from the settings file, the file written at closing, and the failures of both.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTest>

#include "app/settings_file.h"
#include "platform/errors.h"
#include "settings_files.h"
#include "support/held_open.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

Bytes Boxed(const Bytes& message) {
  return message + ".";
}

QStringList FilesHere() {
  return QDir().entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Services whose current directory is the root and stays there.
class RootServices : public ScriptedServices {
 public:
  Bytes CurrentDir() override { return "/"; }
  void ChangeDir(const Bytes& dir) override { entered.push_back(dir); }
  std::vector<Bytes> entered;
};

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void firstRunReportsTheMissingFileAndCloseWritesEightLines() {
    Session s;
    TForm1& w = s.Start();
    QCOMPARE(s.BoxTexts(), std::vector<Bytes>{Boxed(Sj("ﾌｧｲﾙが見つかりません"))});
    QCOMPARE(s.services.boxes[0].kind, ScriptedServices::Box::kError);
    QCOMPARE(s.services.boxes[0].caption, w.ProgramTitle());
    // Start-up got as far as the settings path; the rest is the layout.
    QCOMPARE(Caption(w), Sj("ナンバル"));
    QVERIFY(w.result_pane->toPlainText().isEmpty());
    QVERIFY(w.collection_pane->toPlainText().isEmpty());
    QCOMPARE(w.start_folder, HereDir());
    QCOMPARE(w.shared.StartDirPath, HereDir() + kSettingsName);
    QCOMPARE(w.QueryText(), Sj("鹿沼市"));
    QCOMPARE(w.PrefText(), Sj("栃木県"));
    QCOMPARE(w.postal_file, Sj(kPostalFileLayoutText));
    QCOMPARE(TextOf(w.column_header), Sj("旧郵番　新郵番　都道府県　市区町村　町域名"));
    QCOMPARE(ShownLayout(w), Layout::kNone);
    QCOMPARE(ShownSearchButtons(w), Buttons::kBoth);
    QVERIFY(w.shared.DataFileName.empty());

    QVERIFY(w.close());
    QCOMPARE(SettingsBytes(), JoinLines({"", Sj("鹿沼市"), "", "", Sj("栃木県"), "131", "104",
                                         Sj(kPostalFileLayoutText)}));

    // The next start enters postal mode with that caption as its data file.
    s.services.boxes.clear();
    TForm1& next = s.Start();
    QVERIFY(s.services.boxes.empty());
    QCOMPARE(ShownLayout(next), Layout::kPostal);
    QCOMPARE(ShownSearchButtons(next), Buttons::kPostal);
    QCOMPARE(next.shared.DataFileName, Sj(kPostalFileLayoutText));
  }

  void everyLineRoundTripsAsItStands() {
    Session s;
    // Line 8 holds bytes no screen can show; the path must still come back byte for byte.
    const Bytes postal = HereDir() + "\x85\x40" + Sj("郵便/KEN_ALL.CSV");
    WriteSettingsLines({Sj("/古い/KEN_ALL.CSV"), Sj(" 栃木県　鹿沼市 "), " 322", "3220000 ",
                        Sj("栃木県"), "  -5", "-200", postal, Sj("九行目は読まれない")});
    TForm1& w = s.Start();
    QVERIFY(s.services.boxes.empty());
    QCOMPARE(w.QueryText(), Sj(" 栃木県　鹿沼市 "));
    QCOMPARE(w.OldCodeText(), Bytes(" 322"));
    QCOMPARE(w.NewCodeText(), Bytes("3220000 "));
    QCOMPARE(w.PrefText(), Sj("栃木県"));
    // Partly off the screen, the title bar still in reach: the place is kept.
    QCOMPARE(w.pos(), QPoint(-200, -5));
    QCOMPARE(w.shared.DataFileName, postal);  // postal mode takes line 8
    QVERIFY(!HeldOpen(kSettingsName));

    QVERIFY(w.close());
    QCOMPARE(SettingsBytes(), JoinLines({postal, Sj(" 栃木県　鹿沼市 "), " 322", "3220000 ",
                                         Sj("栃木県"), "-5", "-200", postal}));
  }

  // Bytes no screen shows come back as they were, until the user edits their box.
  void untouchedBoxesWriteTheirBytesBack() {
    Session s;
    std::vector<Bytes> lines = {"/x", "q\x80", "\x85\x40 ", "3\xfd", Sj("栃木") + "\x80",
                                "10", "20",    "/x"};
    WriteSettingsLines(lines);
    QVERIFY(s.Start().close());
    QCOMPARE(SettingsBytes(), JoinLines(lines));

    TForm1& w = s.Start();
    w.show();
    QTest::keyClicks(w.old_code_box, "9");
    QTest::keyClicks(w.query_box, "r");
    QVERIFY(w.close());
    lines[1] = nanbaru::TextOf(w.query_box->currentText());
    lines[2] = nanbaru::TextOf(w.old_code_box->text());
    QVERIFY(lines[2].ends_with(" 9"));
    QCOMPARE(SettingsBytes(), JoinLines(lines));
  }

  // A line that should be a number and is not leaves the layout's edge; the rest of the file
  // is read as well as it can be, and the postal file of line 8 is kept.
  void badNumbersLeaveTheLayoutPlace() {
    struct Case {
      std::vector<Bytes> lines;
      QPoint pos;
      Bytes postal;
    };
    const std::vector<Case> cases = {
        {{"/x", "q", "", "", "p", "12a", "0", "/y"}, {0, 131}, "/y"},
        {{"/x", "q", "", "", "p", "5", "$", "/y"}, {104, 5}, "/y"},
        {{"/x", "q", "", "", "p", Sj("栃木県"), "2147483648", "/y"}, {104, 131}, "/y"},
        {{"/x", "q", "", "", "p"}, {104, 131}, ""},
    };
    for (const Case& c : cases) {
      Session s;
      WriteSettingsLines(c.lines);
      TForm1& w = s.Start();
      QVERIFY(s.services.boxes.empty());
      QCOMPARE(w.PrefText(), Bytes("p"));
      QCOMPARE(w.pos(), c.pos);
      QCOMPARE(w.postal_file, c.postal);
      QCOMPARE(w.shared.DataFileName, c.postal);
      QCOMPARE(ShownLayout(w), Layout::kPostal);
      QVERIFY(!HeldOpen(kSettingsName));
      QVERIFY(w.close());
      QVERIFY(SettingsBytes().ends_with("\r\n" + c.postal + "\r\n"));
    }
  }

  // Whatever the boxes are given (a multi-line paste by the keyboard, a program's text), each
  // keeps its first line, and the file stays eight lines that the next start reads cleanly.
  void multiLineTextLeavesEightLines() {
    Session s;
    TForm1& w = s.Start();
    ShowActive(w);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("栃木県\r\n鹿沼市\n上町"));
    for (QLineEdit* box : {w.query_box->lineEdit(), w.old_code_box, w.new_code_box, w.pref_box}) {
      box->setFocus();
      box->selectAll();
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(box->text(), QString::fromUtf8("栃木県"));
      QTest::keyClicks(box, "x");
      QCOMPARE(box->text(), QString::fromUtf8("栃木県x"));
    }
    w.SetQueryText("a\nb");
    QCOMPARE(w.QueryText(), Bytes("a"));
    QVERIFY(w.close());
    const Bytes boxed = Sj("栃木県x");
    QCOMPARE(SettingsBytes(),
             JoinLines({"", "a", boxed, boxed, boxed, "131", "104", Sj(kPostalFileLayoutText)}));
    s.services.boxes.clear();
    QCOMPARE(s.Start().OldCodeText(), boxed);
    QVERIFY(s.services.boxes.empty());

    // The writer itself writes no value past a byte that would end its line or the file.
    WriteSettings(kSettingsName, {"/d\r\n", "q\nr", "o\x1a", "n\rm", "p", "1", "2", "/y\n/z"});
    QCOMPARE(SettingsBytes(), JoinLines({"/d", "q", "o", "n", "p", "1", "2", "/y"}));
  }

  void sevenLinesLeaveThePostalFileEmpty() {
    Session s;
    WriteSettingsLines({"/x/KEN_ALL.CSV", "q", "", "", "p", "10", "20"});
    TForm1& w = s.Start();
    QVERIFY(s.services.boxes.empty());
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QVERIFY(w.postal_file.empty());
    QVERIFY(w.shared.DataFileName.empty());
  }

  void closingWritesIntoTheCurrentDirectory() {
    Session s;
    TForm1& w = s.Start();
    QVERIFY(QDir().mkdir("later"));
    QVERIFY(QDir::setCurrent("later"));
    QVERIFY(w.close());
    QCOMPARE(w.shared.StartDirPath, HereDir() + kSettingsName);
    QVERIFY(QFile::exists(kSettingsName));
    QVERIFY(!QFile::exists(QStringLiteral("../") + kSettingsName));
  }

  void rootDirectoryGetsNoDoubledSeparator() {
    if (QFile::exists(QStringLiteral("/") + kSettingsName)) QSKIP("a settings file lies in /");
    WorkDir work_dir;
    RootServices services;
    TForm1 w(services);
    QCOMPARE(w.start_folder, Bytes("/"));
    QCOMPARE(w.shared.StartDirPath, Bytes("/nanbaru2.ini"));
    w.PhoneModeClick();
    QCOMPARE(services.entered, std::vector<Bytes>{"/"});
    QCOMPARE(w.shared.DataFileName, Sj("/郵電話.txt"));
  }

  // Start-up names the folder and the reason in one message, as the command does.
  void aDirectoryShiftJisCannotHoldIsNamedAtStart() {
    Session s;
    QVERIFY(QDir().mkdir(QString::fromUtf8("café 𠮷")));
    QVERIFY(QDir::setCurrent(QString::fromUtf8("café 𠮷")));
    TForm1& w = s.Start();
    QCOMPARE(s.services.boxes.size(), std::size_t{1});
    const QString& told = s.services.boxes[0].text;
    QVERIFY(told.contains(QDir::toNativeSeparators(QDir::currentPath())));
    QVERIFY(told.contains(QStringLiteral("Shift-JIS")));
    QCOMPARE(w.start_folder, Sj(kStartFolderLayoutText));
    // No mangled name is written anywhere, and the close says nothing more.
    QVERIFY(w.close());
    QCOMPARE(s.services.boxes.size(), std::size_t{1});
    QVERIFY(FilesHere().isEmpty());
    QVERIFY(QDir("..").entryList(QDir::Files | QDir::Hidden).isEmpty());
  }

  // A settings file that is there but cannot be read is named once at start; neither the
  // chooser nor the close replaces it unless the user says はい.
  void unreadableSettingsAreReplacedOnlyAfterYes() {
    Session s;
    // A folder in the file's place cannot be read on any system.
    QVERIFY(QDir().mkdir(kSettingsName));
    TForm1& w = s.Start();
    QCOMPARE(s.services.boxes.size(), std::size_t{1});
    QVERIFY(s.services.boxes[0].text.contains(ScreenText(HereDir() + kSettingsName)));
    QCOMPARE(ShownLayout(w), Layout::kNone);

    s.services.open_answers = {QString::fromUtf8("/x/KEN_ALL.CSV")};
    w.ChoosePostalFileClick();
    QCOMPARE(w.postal_file, Bytes("/x/KEN_ALL.CSV"));
    QVERIFY(w.close());
    QCOMPARE(s.services.questions.size(), std::size_t{2});
    QCOMPARE(s.services.boxes.size(), std::size_t{2});  // The start's, and the chooser's prompt.
    QVERIFY(QFileInfo(kSettingsName).isDir());

    // Once the user agrees, the file is written, and later writes ask no more.
    QVERIFY(QDir().rmdir(kSettingsName));
    s.services.answers = {true};
    w.show();
    QVERIFY(w.close());
    QVERIFY(SettingsBytes().ends_with("\r\n/x/KEN_ALL.CSV\r\n"));
    w.show();
    QVERIFY(w.close());
    QCOMPARE(s.services.questions.size(), std::size_t{3});
    QCOMPARE(s.services.boxes.size(), std::size_t{2});
  }

  // A place saved on screens no longer there opens in sight, and is written as it is.
  void placeOffEveryScreenComesIntoSight() {
    Session s;
    WriteSettingsLines({"/x", "q", "", "", "p", "3000", "3000", "/x"});
    TForm1& w = s.Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.contains(w.frameGeometry().topLeft()));
    QVERIFY(w.close());
    QVERIFY(Contains(SettingsBytes(),
                     "\r\n" + std::to_string(w.y()) + "\r\n" + std::to_string(w.x()) + "\r\n"));
  }

  // Every exit asks before leaving without the settings; はい leaves and writes nothing.
  void unwritableSettingsLetTheUserLeaveAfterYes() {
    Session s;
    TForm1& w = s.Start();
    QVERIFY(QDir().mkdir(kSettingsName));
    s.services.boxes.clear();
    s.services.answers = {false, true, false, true, true};
    w.show();
    QTest::mouseClick(w.exit_button, Qt::LeftButton);
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.exit_button, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    w.show();
    w.exit_item->trigger();
    QVERIFY(w.isVisible());
    w.exit_item->trigger();
    QVERIFY(!w.isVisible());
    w.show();
    QVERIFY(w.close());
    const QString question = ScreenText(Sj("設定を保存できませんでした。保存せずに終了しますか？"));
    QCOMPARE(s.services.questions, std::vector<QString>(5, question));
    QCOMPARE(s.BoxTexts().size(), std::size_t{5});
    QVERIFY(QDir(kSettingsName).isEmpty());
    QVERIFY(FilesHere().isEmpty());
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::SettingsTest)
#include "settings_test.moc"
