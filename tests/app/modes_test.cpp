// The two mode switches, the choice of the postal data file, and the postal search's way to it.
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "platform/errors.h"
#include "settings_files.h"
#include "support/pane_lines.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

QString Screen(const Bytes& bytes) {
  return nanbaru::ScreenText(bytes);
}

std::vector<Bytes> SettingsWith(const Bytes& data_file, const Bytes& postal_file) {
  return {data_file, Sj("鹿沼市"), "", "", Sj("栃木県"), "10", "20", postal_file};
}

const Bytes kPrompt = Sj(
    "新郵便番号のデータファイルを選んで下さい。例　Ｑ：のドライブのＰｃｉｎｇのｋｉｊｉのｙｕｕｂ"
    "ｉｎのken_all.csvなど。");

// Scripted services but for the open dialog, which is the program's own.
class RealOpenDialog : public ScriptedServices {
 public:
  bool RunOpenDialog(QWidget* parent, const QString& file_name, const QStringList& filters,
                     QString& chosen) override {
    return QtWindowServices().RunOpenDialog(parent, file_name, filters, chosen);
  }
};

}  // namespace

class ModesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void switchingBackAndForthRestoresThePostalFile() {
    Session s;
    const Bytes postal = Sj("/データ/KEN_ALL.CSV");
    WriteSettingsLines(SettingsWith(postal, postal));
    TForm1& w = s.Start();
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QCOMPARE(ShownSearchButtons(w), Buttons::kPostal);
    QCOMPARE(w.shared.DataFileName, postal);

    // Phone mode goes back to the start directory and takes the area-code file there.
    const Bytes start = HereDir();
    QVERIFY(QDir().mkdir("elsewhere"));
    QVERIFY(QDir::setCurrent("elsewhere"));
    w.phone_mode_button->click();
    QCOMPARE(ShownLayout(w), Layout::kPhone);
    QCOMPARE(ShownSearchButtons(w), Buttons::kArea);
    QCOMPARE(HereDir(), start);
    QCOMPARE(w.shared.DataFileName, start + Sj("郵電話.txt"));
    QCOMPARE(w.postal_file, postal);

    emit w.phone_mode_picture->doubleClicked();
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QCOMPARE(ShownSearchButtons(w), Buttons::kPostal);
    QCOMPARE(w.shared.DataFileName, postal);

    emit w.postal_mode_picture->doubleClicked();
    QCOMPARE(ShownLayout(w), Layout::kPhone);
    QVERIFY(s.services.boxes.empty());
  }

  void postalModeRereadsLineEightOfTheCurrentDirectory() {
    Session s;
    WriteSettingsLines(SettingsWith("/a.csv", "/a.csv"));
    TForm1& w = s.Start();
    WriteSettingsLines(SettingsWith("/a.csv", "/b.csv"));
    w.postal_mode_button->click();
    QCOMPARE(w.shared.DataFileName, Bytes("/b.csv"));
    QCOMPARE(w.shared.StartDirPath, HereDir() + kSettingsName);

    // Elsewhere there is no settings file: the layout changes, the postal file stays.
    const Bytes start = HereDir();
    w.phone_mode_button->click();
    QVERIFY(QDir().mkdir("elsewhere"));
    QVERIFY(QDir::setCurrent("elsewhere"));
    w.postal_mode_button->click();
    QCOMPARE(s.BoxTexts(), std::vector<Bytes>{Sj("ﾌｧｲﾙが見つかりません.")});
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QCOMPARE(ShownSearchButtons(w), Buttons::kArea);
    QCOMPARE(w.postal_file, Bytes("/b.csv"));
    QCOMPARE(w.shared.DataFileName, start + Sj("郵電話.txt"));
  }

  void firstRunCanEnterPhoneModeButNotPostalMode() {
    Session s;
    TForm1& w = s.Start();
    s.services.boxes.clear();
    w.postal_mode_button->click();
    QCOMPARE(s.BoxTexts(), std::vector<Bytes>{Sj("ﾌｧｲﾙが見つかりません.")});
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QCOMPARE(ShownSearchButtons(w), Buttons::kBoth);
    QCOMPARE(w.postal_file, Sj(kPostalFileLayoutText));
    QVERIFY(w.shared.DataFileName.empty());

    w.phone_mode_button->click();
    QCOMPARE(s.services.boxes.size(), std::size_t{1});
    QCOMPARE(ShownLayout(w), Layout::kPhone);
    QCOMPARE(ShownSearchButtons(w), Buttons::kArea);
    QCOMPARE(w.shared.DataFileName, HereDir() + Sj("郵電話.txt"));
  }

  void vanishedStartDirectoryLeavesTheDataFileAndButtons() {
    Session s;
    QVERIFY(QDir().mkdir("start"));
    QVERIFY(QDir::setCurrent("start"));
    WriteSettingsLines(SettingsWith("/a.csv", "/a.csv"));
    TForm1& w = s.Start();
    QVERIFY(QDir::setCurrent(".."));
    QVERIFY(QDir("start").removeRecursively());
    w.phone_mode_button->click();
    QCOMPARE(s.services.boxes.size(), std::size_t{1});
    QCOMPARE(s.services.boxes[0].kind, ScriptedServices::Box::kError);
    QCOMPARE(ShownLayout(w), Layout::kPhone);
    QCOMPARE(ShownSearchButtons(w), Buttons::kPostal);
    QCOMPARE(w.shared.DataFileName, Bytes("/a.csv"));
  }

  void choosingAFileInPhoneModeKeepsThePhoneLayout() {
    Session s;
    const Bytes start = HereDir();
    WriteSettingsLines(SettingsWith(start + Sj("郵電話.txt"), "/old.csv"));
    TForm1& w = s.Start();
    QCOMPARE(ShownLayout(w), Layout::kPhone);

    const Bytes chosen = start + Sj("郵便/ken_all.csv");
    s.services.open_answers.push_back(Screen(chosen));
    // Whatever directory the dialog leaves current, the settings file goes to the start one.
    QVERIFY(QDir().mkdir("dialog"));
    s.services.on_box = [](const ScriptedServices::Box&) { QDir::setCurrent("dialog"); };
    w.choose_postal_file_item->trigger();
    s.services.on_box = nullptr;

    QCOMPARE(s.BoxTexts(), std::vector<Bytes>{kPrompt});
    QCOMPARE(s.services.boxes[0].kind, ScriptedServices::Box::kInformation);
    QCOMPARE(s.services.open_calls.size(), std::size_t{1});
    QCOMPARE(s.services.open_calls[0].file_name, QStringLiteral("*.*"));
    QCOMPARE(s.services.open_calls[0].filters.size(), 4);
    QVERIFY(s.services.open_calls[0].filters[0].startsWith(QString::fromUtf8("ＣＳＶファイル")));
    QCOMPARE(s.services.open_calls[0].filters[1], QString::fromUtf8("テキスト(*.txt)"));
    QCOMPARE(s.services.open_calls[0].filters[2], QString::fromUtf8("すべてのファイル (*.*)"));
    QCOMPARE(s.services.open_calls[0].filters[3], QString::fromUtf8("郵便番号データ(*.zip)"));
    QCOMPARE(w.shared.DataFileName, chosen);
    QCOMPARE(w.postal_file, chosen);
    QCOMPARE(TextOf(w.status_line), chosen);
    QCOMPARE(ShownLayout(w), Layout::kPhone);
    QCOMPARE(ShownSearchButtons(w), Buttons::kArea);
    QCOMPARE(HereDir(), start);
    QCOMPARE(SettingsBytes(), JoinLines(SettingsWith(chosen, chosen)));
    QVERIFY(!QFile::exists(QStringLiteral("dialog/") + kSettingsName));

    // The dialog offers the last file chosen; the next start is in postal mode.
    w.choose_postal_file_button->click();
    QCOMPARE(s.services.open_calls[1].file_name, Screen(chosen));
    s.Start();
    QCOMPARE(ShownLayout(*s.form), Layout::kPostal);
    QCOMPARE(s.form->shared.DataFileName, chosen);
  }

  // Enter on a pattern filters the list; only an existing file is taken.
  void chooserTakesOnlyAnExistingFile() {
    if (SystemFileDialogs()) QSKIP("the system's own file dialog is out of the test's reach");
    WorkDir work_dir;
    RealOpenDialog services;
    WriteSettingsLines(SettingsWith("/a.csv", "/a.csv"));
    QVERIFY(QDir().mkdir("data"));
    QVERIFY(QFile("data/ken.txt").open(QIODevice::WriteOnly));
    TForm1 w(services);
    bool stayed_on_all = false;
    bool stayed_on_txt = false;
    QStringList filters_in_list;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
      auto* dialog = w.findChild<QFileDialog*>();
      auto* name = dialog != nullptr ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
      if (name == nullptr || !dialog->isVisible()) return;
      typist.stop();
      QCOMPARE(name->text(), QStringLiteral("*.*"));
      QApplication::setActiveWindow(dialog);
      name->setFocus();
      const auto type_over = [name](const char* text) {
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, text);
        QTest::keyClick(name, Qt::Key_Return);
      };
      QTest::keyClick(name, Qt::Key_Return);
      stayed_on_all = dialog->isVisible();
      type_over("data/*.txt");
      stayed_on_txt = dialog->isVisible();
      filters_in_list = dialog->findChild<QFileSystemModel*>()->nameFilters();
      QVERIFY(dialog->selectedNameFilter().startsWith(QString::fromUtf8("ＣＳＶ")));
      type_over("ken.txt");
      if (dialog->isVisible()) dialog->reject();
    });
    typist.start(10);
    w.choose_postal_file_item->trigger();
    QVERIFY(stayed_on_all);
    QVERIFY(stayed_on_txt);
    QCOMPARE(filters_in_list, QStringList{"*.txt"});
    const Bytes chosen = HereDir() + "data/ken.txt";
    QCOMPARE(w.shared.DataFileName, chosen);
    QCOMPARE(SettingsBytes(), JoinLines(SettingsWith(chosen, chosen)));
  }

  void cancellingStillWritesTheSettingsFile() {
    Session s;
    WriteSettingsLines(SettingsWith("/a.csv", "/b.csv"));
    TForm1& w = s.Start();
    const QString status = w.status_line->text();
    w.SetQueryText(Sj("宇都宮市"));
    w.move(-5, 7);
    w.choose_postal_file_item->trigger();
    QCOMPARE(w.shared.DataFileName, Bytes("/b.csv"));
    QCOMPARE(w.status_line->text(), status);
    QCOMPARE(SettingsBytes(),
             JoinLines({"/b.csv", Sj("宇都宮市"), "", "", Sj("栃木県"), "7", "-5", "/b.csv"}));
  }

  void aPhoneFolderInThePostalPathMakesTheNextStartPhoneMode() {
    Session s;
    TForm1& w = s.Start();
    const Bytes chosen = HereDir() + Sj("電子/ken_all.csv");
    s.services.open_answers.push_back(Screen(chosen));
    w.ChoosePostalFileClick();
    s.Start();
    QCOMPARE(ShownLayout(*s.form), Layout::kPhone);
    QCOMPARE(s.form->shared.DataFileName, HereDir() + Sj("郵電話.txt"));
    QCOMPARE(s.form->postal_file, chosen);
  }

  void aNameShiftJisCannotHoldIsRefused() {
    Session s;
    WriteSettingsLines(SettingsWith("/a.csv", "/a.csv"));
    const Bytes old = SettingsBytes();
    TForm1& w = s.Start();
    s.services.open_answers.push_back(QString::fromUtf8("/tmp/café.csv"));
    w.choose_postal_file_item->trigger();
    QCOMPARE(s.BoxTexts(),
             (std::vector<Bytes>{kPrompt, InOutMessage(io_code::kPathNotFound) + "."}));
    QCOMPARE(w.shared.DataFileName, Bytes("/a.csv"));
    QCOMPARE(w.postal_file, Bytes("/a.csv"));
    QCOMPARE(SettingsBytes(), old);
  }

  void postalSearchWithoutItsFileOpensTheChooser() {
    Session s;
    const Bytes missing = HereDir() + "missing.csv";
    WriteSettingsLines(SettingsWith(missing, missing));
    TForm1& w = s.Start();
    const Bytes bundled = PostalDataPath();
    s.services.open_answers.push_back(Screen(bundled));
    w.postal_search_button->click();
    QCOMPARE(s.BoxTexts(), std::vector<Bytes>{kPrompt});
    QCOMPARE(w.shared.DataFileName, bundled);
    QCOMPARE(SettingsBytes(), JoinLines(SettingsWith(bundled, bundled)));

    w.postal_search_button->click();
    int found = 0;
    for (const Bytes& line : PaneLines(*w.result_pane))
      found += Contains(line, Sj("鹿沼市")) ? 1 : 0;
    QVERIFY(found > 0);
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::ModesTest)
#include "modes_test.moc"
