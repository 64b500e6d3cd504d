// Office mode: entered from its menu item, searched with Enter, left by the other modes, kept
// across a restart by the settings file, and its data file chosen without touching line 8.
#include <QApplication>
#include <QTest>

#include "settings_files.h"
#include "support/pane_lines.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

const char kKanumaCityHall[] =
    " 322-8601  栃木県   鹿沼市 今宮町１６８８－１（鹿沼郵便局私書箱第４号）  鹿沼市役所  私書箱";

// As the program finds it beside itself: with the system's separators, which on Windows are
// not those of the data folder the build names.
Bytes OfficeDataPath() {
  return BundledDataFile(kBundledOfficeList);
}

std::vector<Bytes> PostalSettings() {
  return {PostalDataPath(), Sj("鹿沼市"), "", "", Sj("栃木県"), "10", "20", PostalDataPath()};
}

// Enter on `query` (UTF-8) in the query box; the result pane's lines afterwards.
std::vector<Bytes> Search(TForm1& w, const char* query) {
  w.query_box->setEditText(QString::fromUtf8(query));
  QTest::keyClick(w.query_box, Qt::Key_Return);
  return PaneLines(*w.result_pane);
}

}  // namespace

class OfficeModeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void menuItemEntersOfficeModeWhereEnterFindsByNameReadingAndCode() {
    Session s;
    WriteSettingsLines(PostalSettings());
    TForm1& w = s.Start();
    QCOMPARE(w.office_mode_item->shortcut(), QKeySequence(QStringLiteral("Ctrl+J")));
    w.office_mode_item->trigger();
    QCOMPARE(ShownLayout(w), Layout::kOffice);
    QCOMPARE(ShownSearchButtons(w), Buttons::kPostal);
    QCOMPARE(w.shared.DataFileName, OfficeDataPath());

    for (const char* query : {"鹿沼市役所", "かぬましやくしょ", "カヌマシヤクショ", "322-8601"}) {
      const std::vector<Bytes> lines = Search(w, query);
      QVERIFY2(!lines.empty() && lines.front() == Sj(kKanumaCityHall), query);
      QVERIFY(s.services.boxes.empty());
    }
    QCOMPARE(nanbaru::TextOf(w.status_line->text()), Sj(" 検索を終わりました。"));

    // The postal button leaves it for the national list of line 8.
    w.postal_mode_button->click();
    QCOMPARE(ShownLayout(w), Layout::kPostal);
    QCOMPARE(w.shared.DataFileName, PostalDataPath());
    QCOMPARE(Search(w, "322-0061").front(), Sj(" 322     322-0061  栃木県   鹿沼市 千手町"));
  }

  void restartComesBackInOfficeModeWithLineEightKept() {
    Session s;
    WriteSettingsLines(PostalSettings());
    s.Start().office_mode_item->trigger();
    QVERIFY(s.form->close());
    std::vector<Bytes> lines = PostalSettings();
    lines[0] = OfficeDataPath();
    QCOMPARE(SettingsBytes(), JoinLines(lines));

    TForm1& again = s.Start();
    QVERIFY(s.services.boxes.empty());
    QCOMPARE(ShownLayout(again), Layout::kOffice);
    QCOMPARE(again.shared.DataFileName, OfficeDataPath());
    QCOMPARE(Search(again, "鹿沼市役所").front(), Sj(kKanumaCityHall));

    // Its picture leads to postal mode, the phone button to phone mode.
    emit again.office_mode_picture->doubleClicked();
    QCOMPARE(ShownLayout(again), Layout::kPostal);
    again.office_mode_item->trigger();
    again.phone_mode_button->click();
    QCOMPARE(ShownLayout(again), Layout::kPhone);
    QVERIFY(!again.shared.OfficeMode);
  }

  // The chooser in office mode chooses the office list; a national list chosen there is
  // refused with a message, the earlier results left as they were.
  void choosingInOfficeModeLeavesTheNationalListAlone() {
    Session s;
    WriteSettingsLines(PostalSettings());
    TForm1& w = s.Start();
    w.office_mode_item->trigger();
    Search(w, "鹿沼市役所");
    const QString found = w.result_pane->toPlainText();

    s.services.open_answers.push_back(ScreenText(PostalDataPath()));
    w.choose_postal_file_item->trigger();
    QCOMPARE(w.shared.DataFileName, PostalDataPath());
    QCOMPARE(w.office_file, PostalDataPath());
    QCOMPARE(w.postal_file, PostalDataPath());
    QVERIFY(s.services.boxes.front().text.startsWith(Screen("事業所の郵便番号データファイル")));
    s.services.boxes.clear();

    Search(w, "鹿沼市役所");
    QCOMPARE(s.BoxTexts(),
             std::vector<Bytes>{Sj("「") + PostalDataPath() +
                                Sj("」は全国の郵便番号データです。事業所の郵便番号検索には事業所"
                                   "の郵便番号データ（jigyosyo.zip など）を選び、地名や町域は郵便"
                                   "番号の検索で探して下さい.")});
    QCOMPARE(w.result_pane->toPlainText(), found);
    QCOMPARE(ShownLayout(w), Layout::kOffice);

    // The office list chosen back; line 8 never held anything but the national list.
    s.services.open_answers.push_back(ScreenText(OfficeDataPath()));
    w.choose_postal_file_item->trigger();
    QCOMPARE(Search(w, "3228601").front(), Sj(kKanumaCityHall));
    QVERIFY(w.close());
    QVERIFY(SettingsBytes().ends_with("\r\n" + PostalDataPath() + "\r\n"));
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::OfficeModeTest)
#include "office_mode_test.moc"
