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
  QTest::keyClick(form.ComboBox1, key);
}

// A window in postal mode on the national list, no filters.
void PostalMode(TForm1& form) {
  form.shared.DataFileName = PostalDataPath();
  form.Edit1->clear();
  form.Edit2->clear();
  form.Edit3->clear();
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
      w.ComboBox1->setEditText(QString());
      w.Edit1->setText(QStringLiteral("322"));
      w.Edit2->setText(QStringLiteral("3220661"));
      const QString before = w.Memo1->toPlainText();
      Type(w, Qt::Key_Return);
      QCOMPARE(w.Memo1->toPlainText(), before);
      QVERIFY(w.ComboBox1->currentText().isEmpty());
      QCOMPARE(w.Edit2->text(), QStringLiteral("3220661"));
      QCOMPARE(w.ComboBox1->count(), 0);
      QVERIFY(!w.QueryBusy());
    }
  }

  void enterInPostalModeTakesTheOldCodeFirst() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.ComboBox1->setEditText(Screen("鹿沼市"));
    w.Edit1->setText(QStringLiteral("32206"));
    w.Edit2->setText(QStringLiteral("3220661"));
    QSignalSpy returned(w.ComboBox1->lineEdit(), &QLineEdit::returnPressed);
    Type(w, Qt::Key_Return);
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("32206"));
    QVERIFY(w.Edit2->text().isEmpty());
    QCOMPARE(w.Edit1->text(), QStringLiteral("32206"));
    QCOMPARE(w.shared.SearchText, Bytes(",\"32206\""));
    const std::vector<Bytes> lines = PaneLines(*w.Memo1);
    QVERIFY(Contains(lines.front(), "322"));
    QVERIFY(EndsWithCountLine(lines));
    QCOMPARE(w.ComboBox1->itemText(0), QStringLiteral("32206"));
    // Enter goes on to the box after the search, which starts no second one.
    QVERIFY(returned.count() > 0);
    QCOMPARE(w.ComboBox1->count(), 1);
  }

  void otherKeysAreTypedIntoTheBox() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.ComboBox1->setEditText(QStringLiteral("32"));
    w.ComboBox1->lineEdit()->end(false);
    QTest::keyClicks(w.ComboBox1, QStringLiteral("2 "));
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("322 "));
    QCOMPARE(w.ComboBox1->count(), 0);
  }

  void enterInPhoneModeSearchesTheQueryAsTyped() {
    WindowFixture f;
    TForm1& w = *f.form;
    PhoneMode(w);
    w.ComboBox1->setEditText(Screen("０２８９"));
    w.Edit1->setText(QStringLiteral("322"));
    Type(w, Qt::Key_Return);
    // The code boxes are not read; the digits are converted.
    QCOMPARE(w.ComboBox1->currentText(), QStringLiteral("0289"));
    const std::vector<Bytes> lines = PaneLines(*w.Memo1);
    QVERIFY(lines.front().starts_with("   0289"));
    QVERIFY(EndsWithCountLine(lines));
    QVERIFY(nanbaru::TextOf(w.Panel2->text()).starts_with(Sj("検索件数　")));
    QCOMPARE(w.ComboBox1->count(), 1);
  }

  void searchButtonsRunTheirSearches() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.ComboBox1->setEditText(Screen("栃木県　鹿沼市"));
    w.Edit3->setText(Screen("栃木県"));
    w.SpeedButton5->click();
    std::vector<Bytes> lines = PaneLines(*w.Memo1);
    QVERIFY(CountOf(lines, Sj("鹿沼市")) > 3);
    QVERIFY(EndsWithCountLine(lines));
    QCOMPARE(w.Panel2->text(), Screen(" 検索を終わりました。"));
    QCOMPARE(w.Panel2->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    PhoneMode(w);
    w.ComboBox1->setEditText(Screen("鹿沼"));
    w.SpeedButton2->click();
    lines = PaneLines(*w.Memo1);
    QVERIFY(lines.front().starts_with("   "));
    QVERIFY(Contains(lines.front(), Sj("鹿沼")));
    QCOMPARE(w.ComboBox1->count(), 2);
  }

  void busyQueryBoxDeclinesSecondSearches() {
    WindowFixture f;
    TForm1& w = *f.form;
    PostalMode(w);
    w.ComboBox1->setEditText(Screen("どこにもない地名"));
    const QColor idle = QApplication::palette().color(QPalette::Base);
    bool ran_inside = false;
    QString pane_after_second;
    QTimer::singleShot(0, &w, [&] {
      ran_inside = true;
      QVERIFY(w.QueryBusy());
      QVERIFY(w.ComboBox1->palette().color(QPalette::Base) != idle);
      QCOMPARE(nanbaru::TextOf(w.Panel2->text()), Sj("　現在　検索中"));
      QCOMPARE(w.Panel2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
      w.SpeedButton5->click();
      w.SpeedButton2->click();
      pane_after_second = w.Memo1->toPlainText();
    });
    w.SpeedButton5->click();
    QVERIFY(ran_inside);
    // Neither nested search cleared the pane or finished a listing of its own.
    QVERIFY(pane_after_second.isEmpty());
    const std::vector<Bytes> lines = PaneLines(*w.Memo1);
    QCOMPARE(CountOf(lines, Sj("件です。")), 1);
    QCOMPARE(w.ComboBox1->count(), 1);
    QVERIFY(!w.QueryBusy());
    QCOMPARE(w.ComboBox1->palette().color(QPalette::Base), idle);
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
    w.ComboBox1->setEditText(Screen("栃木県　鹿沼市"));
    Type(w, Qt::Key_Return);
    const std::vector<Bytes> once = PaneLines(*w.Memo1);
    QVERIFY(CountOf(once, Sj("鹿沼市")) > 100);
    QTimer::singleShot(0, &w, [&] {
      w.Edit2->setText(QStringLiteral("3220061"));
      Type(w, Qt::Key_Return);
    });
    Type(w, Qt::Key_Return);
    QCOMPARE(PaneLines(*w.Memo1), once);
    QCOMPARE(w.ComboBox1->currentText(), Screen("栃木県　鹿沼市"));
    QCOMPARE(w.Edit2->text(), QStringLiteral("3220061"));
  }

  void missingAreaFileShowsTheErrorAndFreesTheBox() {
    WindowFixture f;
    TForm1& w = *f.form;
    PhoneMode(w);
    w.shared.DataFileName = DataDir() + Sj("無い電話.txt");
    w.ComboBox1->setEditText(QStringLiteral("0289"));
    f.services.boxes.clear();
    Type(w, Qt::Key_Return);
    QCOMPARE(f.services.boxes.size(), std::size_t{1});
    QCOMPARE(f.services.boxes[0].caption, QStringLiteral("dispatch_test"));
    QCOMPARE(nanbaru::TextOf(f.services.boxes[0].text), Sj("ﾌｧｲﾙが見つかりません."));
    QVERIFY(!w.QueryBusy());
    w.shared.DataFileName = AreaDataPath();
    Type(w, Qt::Key_Return);
    QVERIFY(EndsWithCountLine(PaneLines(*w.Memo1)));
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::DispatchTest)
#include "dispatch_test.moc"
