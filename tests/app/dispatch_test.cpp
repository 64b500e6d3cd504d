// Searches started from the window: Enter in the query box in both modes with the code boxes,
// the two search buttons, the busy colour, Enter during a running postal scan, and errors.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "common/bytes.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

// Keys go where the keyboard sends them: to the query box, the focus widget.
void Type(TForm1& form, Qt::Key key) {
  QTest::keyClick(form.query_box, key);
}

// A window in postal mode on the national list, no filters.
void PostalMode(TForm1& form) {
  form.shared.DataFileName = PostalDataPath();
  form.old_code_box->clear();
  form.new_code_box->clear();
  form.pref_box->clear();
}

// A window in phone mode on the bundled area-code file.
void PhoneMode(TForm1& form) {
  form.start_folder = DataDir();
  form.shared.DataFileName = AreaDataPath();
}

bool EndsWithCountLine(const std::vector<Bytes>& lines) {
  for (auto it = lines.rbegin(); it != lines.rend(); ++it)
    if (Contains(*it, Sj("件です。"))) return true;
  return false;
}

int CountOf(const std::vector<Bytes>& lines, const Bytes& piece) {
  int count = 0;
  for (const Bytes& line : lines) count += Contains(line, piece) ? 1 : 0;
  return count;
}

}  // namespace

class DispatchTest : public QObject {
  Q_OBJECT

 private slots:
  void enterWithAnEmptyQueryDoesNothing() {
    for (void (*mode)(TForm1&) : {&PostalMode, &PhoneMode}) {
      WindowFixture f;
      TForm1& w = *f.form;
      mode(w);
      w.query_box->setEditText(QString());
      w.old_code_box->setText(QStringLiteral("322"));
      w.new_code_box->setText(QStringLiteral("3220661"));
      const QString before = w.result_pane->toPlainText();
      Type(w, Qt::Key_Return);
      QCOMPARE(w.result_pane->toPlainText(), before);
      QVERIFY(w.query_box->currentText().isEmpty());
      QCOMPARE(w.new_code_box->text(), QStringLiteral("3220661"));
      QCOMPARE(w.query_box->count(), 0);
      QVERIFY(!w.QueryBusy());
    }
  }

  void enterInPostalModeTakesTheOldCodeFirst() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.query_box->setEditText(Screen("鹿沼市"));
    w.old_code_box->setText(QStringLiteral("32206"));
    w.new_code_box->setText(QStringLiteral("3220661"));
    QSignalSpy returned(w.query_box->lineEdit(), &QLineEdit::returnPressed);
    Type(w, Qt::Key_Return);
    QCOMPARE(w.query_box->currentText(), QStringLiteral("32206"));
    QVERIFY(w.new_code_box->text().isEmpty());
    QCOMPARE(w.old_code_box->text(), QStringLiteral("32206"));
    QCOMPARE(w.shared.SearchText, Bytes(",\"32206\""));
    const std::vector<Bytes> lines = PaneLines(*w.result_pane);
    QVERIFY(Contains(lines.front(), "322"));
    QVERIFY(EndsWithCountLine(lines));
    QCOMPARE(w.query_box->itemText(0), QStringLiteral("32206"));
    // Enter goes on to the box after the search, which starts no second one.
    QVERIFY(returned.count() > 0);
    QCOMPARE(w.query_box->count(), 1);
  }

  void otherKeysAreTypedIntoTheBox() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.query_box->setEditText(QStringLiteral("32"));
    w.query_box->lineEdit()->end(false);
    QTest::keyClicks(w.query_box, QStringLiteral("2 "));
    QCOMPARE(w.query_box->currentText(), QStringLiteral("322 "));
    QCOMPARE(w.query_box->count(), 0);
  }

  void enterInPhoneModeSearchesTheQueryAsTyped() {
    WindowFixture f;
    TForm1& w = *f.form;
    PhoneMode(w);
    w.query_box->setEditText(Screen("０２８９"));
    w.old_code_box->setText(QStringLiteral("322"));
    Type(w, Qt::Key_Return);
    // The code boxes are not read; the digits are converted.
    QCOMPARE(w.query_box->currentText(), QStringLiteral("0289"));
    const std::vector<Bytes> lines = PaneLines(*w.result_pane);
    QVERIFY(lines.front().starts_with("   0289"));
    QVERIFY(EndsWithCountLine(lines));
    QVERIFY(nanbaru::TextOf(w.status_line->text()).starts_with(Sj("検索件数　")));
    QCOMPARE(w.query_box->count(), 1);
  }

  void searchButtonsRunTheirSearches() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.query_box->setEditText(Screen("栃木県　鹿沼市"));
    w.pref_box->setText(Screen("栃木県"));
    w.postal_search_button->click();
    std::vector<Bytes> lines = PaneLines(*w.result_pane);
    QVERIFY(CountOf(lines, Sj("鹿沼市")) > 3);
    QVERIFY(EndsWithCountLine(lines));
    QCOMPARE(w.status_line->text(), Screen(" 検索を終わりました。"));
    QCOMPARE(w.status_line->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    PhoneMode(w);
    w.query_box->setEditText(Screen("鹿沼"));
    w.area_search_button->click();
    lines = PaneLines(*w.result_pane);
    QVERIFY(lines.front().starts_with("   "));
    QVERIFY(Contains(lines.front(), Sj("鹿沼")));
    QCOMPARE(w.query_box->count(), 2);
  }

  void busyQueryBoxDeclinesSecondSearches() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.query_box->setEditText(Screen("どこにもない地名"));
    const QColor idle = QApplication::palette().color(QPalette::Base);
    bool ran_inside = false;
    QString pane_after_second;
    QTimer::singleShot(0, &w, [&] {
      ran_inside = true;
      QVERIFY(w.QueryBusy());
      QVERIFY(w.query_box->palette().color(QPalette::Base) != idle);
      QCOMPARE(nanbaru::TextOf(w.status_line->text()), Sj("　現在　検索中"));
      QCOMPARE(w.status_line->palette().color(QPalette::WindowText), QColor(255, 0, 0));
      w.postal_search_button->click();
      w.area_search_button->click();
      pane_after_second = w.result_pane->toPlainText();
    });
    w.postal_search_button->click();
    QVERIFY(ran_inside);
    // Neither nested search cleared the pane or finished a listing of its own.
    QVERIFY(pane_after_second.isEmpty());
    const std::vector<Bytes> lines = PaneLines(*w.result_pane);
    QCOMPARE(CountOf(lines, Sj("件です。")), 1);
    QCOMPARE(w.query_box->count(), 1);
    QVERIFY(!w.QueryBusy());
    QCOMPARE(w.query_box->palette().color(QPalette::Base), idle);
    // New desktop colours after the search: the box is still idle.
    const QPalette system = QApplication::palette();
    QPalette changed = system;
    changed.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();  // New colours reach the widgets as events.
    const bool busy_after_change = w.QueryBusy();
    QApplication::setPalette(system);
    QVERIFY(!busy_after_change);
  }

  void secondEnterDuringAPostalScanLeavesItWhole() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.query_box->setEditText(Screen("栃木県　鹿沼市"));
    Type(w, Qt::Key_Return);
    const std::vector<Bytes> once = PaneLines(*w.result_pane);
    QVERIFY(CountOf(once, Sj("鹿沼市")) > 100);
    QTimer::singleShot(0, &w, [&] {
      w.new_code_box->setText(QStringLiteral("3220061"));
      Type(w, Qt::Key_Return);
    });
    Type(w, Qt::Key_Return);
    QCOMPARE(PaneLines(*w.result_pane), once);
    QCOMPARE(w.query_box->currentText(), Screen("栃木県　鹿沼市"));
    QCOMPARE(w.new_code_box->text(), QStringLiteral("3220061"));
  }

  void missingAreaFileShowsTheErrorAndFreesTheBox() {
    WindowFixture f;
    TForm1& w = *f.form;
    PhoneMode(w);
    w.shared.DataFileName = DataDir() + Sj("無い電話.txt");
    w.query_box->setEditText(QStringLiteral("0289"));
    f.services.boxes.clear();
    Type(w, Qt::Key_Return);
    QCOMPARE(f.services.boxes.size(), std::size_t{1});
    QCOMPARE(f.services.boxes[0].caption, QStringLiteral("dispatch_test"));
    QCOMPARE(nanbaru::TextOf(f.services.boxes[0].text), Sj("ﾌｧｲﾙが見つかりません."));
    QVERIFY(!w.QueryBusy());
    w.shared.DataFileName = AreaDataPath();
    Type(w, Qt::Key_Return);
    QVERIFY(EndsWithCountLine(PaneLines(*w.result_pane)));
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::DispatchTest)
#include "dispatch_test.moc"
