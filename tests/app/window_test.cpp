// The main window: its state-holding controls, focus order, hints to the status line, the
// resize rule, the run-time font, the panes' line model, the error box, About and the exits.
#include <QApplication>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>

#include "app/caption_bytes.h"
#include "app/fonts.h"
#include "app/translations.h"
#include "platform/errors.h"
#include "results/pane_edit.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void stateHoldersKeepTheirCaptionsExactly() {
    WindowFixture f;
    // Their captions are read back as Shift-JIS bytes, so they must survive the screen.
    QCOMPARE(nanbaru::TextOf(f.form->Label7->text()), Sj("Label7 ｃｄ　dir"));
    QCOMPARE(nanbaru::TextOf(f.form->Label11->text()), Sj("Label11"));
    f.form->Label9->setText(nanbaru::ScreenText(Sj("/tmp/起動ディレクトリ/")));
    QCOMPARE(CaptionBytes(f.form->Label9), Sj("/tmp/起動ディレクトリ/"));
  }

  void windowOpensAtItsLayoutPlace() {
    WindowFixture f;
    ShowActive(*f.form);
    QCOMPARE(f.form->frameGeometry(), QRect(104, 131, 595, 451));
  }

  void tabMovesThroughTheBoxesInLayoutOrder() {
    WindowFixture f;
    ShowActive(*f.form);
    // The code boxes are shown in postal mode only; tab order is checked where they show.
    f.form->Edit1->show();
    f.form->Edit2->show();
    f.form->ComboBox1->setFocus();
    const std::vector<QWidget*> order = {f.form->Memo1,    f.form->BitBtn1, f.form->Edit2,
                                         f.form->Edit1,    f.form->Edit3,   f.form->Memo2,
                                         f.form->ComboBox1};
    for (QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      // The query box takes the focus through its edit field.
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus == next || focus->parentWidget() == next);
    }
  }

  void hintsSplitIntoTipAndStatus() {
    WindowFixture f;
    TForm1& w = *f.form;
    QCOMPARE(w.SpeedButton2->toolTip(), Screen("検索"));
    QCOMPARE(w.HintFor(w.SpeedButton2), Screen("　検索を実行します。"));
    // A hint without "|" is both tip and status text.
    QCOMPARE(w.Edit2->toolTip(), Screen("ここに新番号を入れて下さい。優先的に検索されます。"));
    QCOMPARE(w.HintFor(w.Edit2), w.Edit2->toolTip());
    // Status line only, no tip.
    QVERIFY(w.SpeedButton7->toolTip().isEmpty());
    QCOMPARE(w.HintFor(w.SpeedButton7),
             Screen("クリップボードに転送します。選択範囲を選んでから押して下さい。"));
  }

  void hintsFollowTheParentChain() {
    WindowFixture f;
    TForm1& w = *f.form;
    // The query box's edit field and the panes' viewports take their owners' hints.
    QCOMPARE(
        w.HintFor(w.ComboBox1->lineEdit()),
        Screen("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"));
    QCOMPARE(w.HintFor(w.Memo1->viewport()), Screen("ダブルクリックで下の欄に保管されます。"));
    // Nothing up to the window has a hint.
    for (QWidget* bare :
         {static_cast<QWidget*>(w.Label6), static_cast<QWidget*>(w.Panel5),
          static_cast<QWidget*>(w.Label1), w.centralWidget(), static_cast<QWidget*>(&w)})
      QVERIFY2(w.HintFor(bare).isEmpty(), qPrintable(bare->metaObject()->className()));
  }

  void statusLineChangesOnlyWithTheHint() {
    WindowFixture f;
    TForm1& w = *f.form;
    w.UpdateHint(Screen("甲"));
    QCOMPARE(w.Panel2->text(), Screen("甲"));
    // A search result stays until the hint text next changes.
    w.SetStatus(Sj(" 検索を終わりました。"));
    w.UpdateHint(Screen("甲"));
    QCOMPARE(w.Panel2->text(), Screen(" 検索を終わりました。"));
    w.UpdateHint(QString());
    QVERIFY(w.Panel2->text().isEmpty());
  }

  void highlightedMenuItemsFeedTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    emit w.file1->hovered(w.save1);
    QCOMPARE(
        w.Panel2->text(),
        Screen("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
    emit w.file1->hovered(w.K1);
    QVERIFY(w.Panel2->text().isEmpty());
    emit w.file1->hovered(w.save1);
    emit w.file1->hovered(w.exit1);
    QVERIFY(w.Panel2->text().isEmpty());
  }

  void pointerMovesFeedTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    QTest::mouseMove(w.SpeedButton1, QPoint(10, 10));
    QTRY_COMPARE(w.Panel2->text(), Screen("郵便番号ファイルを設定して下さい。"));
    QTest::mouseMove(w.Memo1->viewport(), QPoint(20, 20));
    QTRY_COMPARE(w.Panel2->text(), Screen("ダブルクリックで下の欄に保管されます。"));
    QTest::mouseMove(w.Label6, QPoint(2, 2));
    QTRY_VERIFY(w.Panel2->text().isEmpty());
  }

  void realMenuHighlightFeedsTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    w.file1->popup(w.mapToGlobal(QPoint(0, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(w.file1));
    QTest::mouseMove(w.file1, w.file1->actionGeometry(w.save1).center());
    QTRY_COMPARE(
        w.Panel2->text(),
        Screen("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
    QTest::mouseMove(w.file1, w.file1->actionGeometry(w.exit1).center());
    QTRY_VERIFY(w.Panel2->text().isEmpty());
    w.file1->hide();
  }

  void controlsReachTheirHandlers() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    ClearPane(*w.Memo1);
    ClearPane(*w.Memo2);
    for (const char* line : {"first", "second", "third"}) w.AppendResult(line);
    const QTextBlock second = w.Memo1->document()->findBlockByNumber(1);
    const QPoint on_second = w.Memo1->cursorRect(QTextCursor(second)).center() + QPoint(4, 0);
    // A click inside the pane is the pane's click; a double click collects the line.
    QTest::mouseClick(w.Memo1->viewport(), Qt::LeftButton, {}, on_second);
    QCOMPARE(w.shared.CaretLine, 1);
    QTest::mouseDClick(w.Memo1->viewport(), Qt::LeftButton, {}, on_second);
    QCOMPARE(PaneLines(*w.Memo2), (std::vector<Bytes>{"second", ""}));
    // The mode pictures switch modes on a double click.
    QTest::mouseDClick(w.Image1, Qt::LeftButton);
    QCOMPARE(w.windowTitle(), Screen("ナンバル（電話）"));
    QVERIFY(w.SpeedButton2->isVisible() && !w.SpeedButton5->isVisible());
  }

  void resizeKeepsThePanesInStep_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("layout") << QSize(595, 451);
    QTest::newRow("large") << QSize(1000, 700);
    QTest::newRow("small") << QSize(420, 380);
  }

  void resizeKeepsThePanesInStep() {
    QFETCH(QSize, size);
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    w.resize(size);
    const QSize outer = w.frameGeometry().size();
    QCOMPARE(w.Memo1->width(), outer.width() - 30);
    QCOMPARE(w.Memo1->height(), outer.height() - 4 * 20 - 65 - 4 * 25);
    QCOMPARE(w.Memo2->y(), w.Memo1->geometry().bottom() + 1 + 10);
    QCOMPARE(w.Memo2->width(), w.Memo1->width() - 50);
    QCOMPARE(w.Panel4->x(), w.Memo2->width() + 25);
    QCOMPARE(w.Panel4->y(), w.Memo2->y());
    QCOMPARE(w.Panel3->geometry(), QRect(w.Memo1->x(), 64, w.Memo1->width(), 25));
    const QWidget* client = w.centralWidget();
    QCOMPARE(w.Panel2->geometry(), QRect(0, client->height() - 25, client->width(), 25));
  }

  void fullWidthIsTwoHalfWidthsInThePanes() {
    WindowFixture f;
    for (const QPlainTextEdit* pane : {f.form->Memo1, f.form->Memo2}) {
      const QFontMetricsF metrics(pane->font());
      QCOMPARE(pane->font().pointSize(), 10);
      QCOMPARE(metrics.horizontalAdvance(Screen("あ")), metrics.horizontalAdvance("aa"));
      QCOMPARE(metrics.horizontalAdvance(Screen("鹿沼市")), metrics.horizontalAdvance("abcdef"));
      QCOMPARE(metrics.horizontalAdvance(Screen("　")), metrics.horizontalAdvance("  "));
    }
  }

  void errorBoxShowsTheMessageOnce() {
    WindowFixture f;
    TForm1& w = *f.form;
    f.services.boxes.clear();
    QVERIFY(!w.Guard([] { throw InOutError(io_code::kFileNotFound); }));
    QVERIFY(!w.Guard([] { throw std::runtime_error("broken"); }));
    QVERIFY(w.Guard([] {}));
    QCOMPARE(f.services.boxes.size(), std::size_t{2});
    QCOMPARE(f.services.boxes[0].kind, ScriptedServices::Box::kError);
    QCOMPARE(f.services.boxes[0].caption, QStringLiteral("window_test"));
    QCOMPARE(nanbaru::TextOf(f.services.boxes[0].text), Sj("ﾌｧｲﾙが見つかりません."));
    QCOMPARE(f.services.boxes[1].text, QStringLiteral("broken."));
  }

  void programTitleFromTheFileName() {
    QCOMPARE(TForm1::ProgramTitleOf(QStringLiteral("NANBARU.EXE")), QStringLiteral("Nanbaru"));
    QCOMPARE(TForm1::ProgramTitleOf(QStringLiteral("nanbaru")), QStringLiteral("nanbaru"));
    QCOMPARE(TForm1::ProgramTitleOf(QStringLiteral("Nan.Baru.exe")), QStringLiteral("Nan"));
  }

  void aboutNamesProgramVersionAndContact() {
    WindowFixture f;
    f.services.boxes.clear();
    f.form->font1->trigger();
    QCOMPARE(f.services.boxes.size(), std::size_t{1});
    const QString& text = f.services.boxes[0].text;
    QCOMPARE(f.services.boxes[0].kind, ScriptedServices::Box::kInformation);
    QVERIFY(text.contains(Screen("ナンバル")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\d+\\.\\d+\\.\\d+"))));
    QVERIFY(text.contains(QStringLiteral("@")));
  }

  // The frame comes after the window is shown; the outer size is met once it is known, and
  // the panes then follow the window by what a resize changes, no more.
  void frameUnderAWindowManagerIsTheLayoutSize() {
    const QString platform = QGuiApplication::platformName();
    if (platform != "xcb" && platform != "windows") {
      QSKIP("needs a platform whose windows have frames");
    }
    WindowFixture f;
    TForm1& w = *f.form;
    w.show();
    QVERIFY(QTest::qWaitFor([&] { return w.frameGeometry().size() != w.size(); }, 10000));
    QTRY_COMPARE(w.frameGeometry().size(), QSize(595, 451));
    const int memo1_height = w.Memo1->height();
    w.resize(w.size() + QSize(0, 10));
    QTRY_COMPARE(w.Memo1->height(), memo1_height + 10);
  }

  void qtDialogsReadInJapanese() {
    QVERIFY(InstallJapaneseTranslations(*qApp));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* look_in = dialog.findChild<QLabel*>("lookInLabel");
    QVERIFY(look_in != nullptr);
    QVERIFY(look_in->text().front().unicode() >= 0x3000);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), Screen("キャンセル"));
  }

  void bothExitsCloseTheWindow() {
    WindowFixture f;
    ShowActive(*f.form);
    f.form->BitBtn1->click();
    QVERIFY(!f.form->isVisible());
    ShowActive(*f.form);
    f.form->exit1->trigger();
    QVERIFY(!f.form->isVisible());
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::WindowTest)
#include "window_test.moc"
