// The main window: its hidden state, focus order, hints to the status line, the
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
#include <algorithm>
#include <functional>

#include "app/fonts.h"
#include "app/tform1_layout.h"
#include "app/translations.h"
#include "app/window_placement.h"
#include "platform/errors.h"
#include "results/pane_edit.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void hiddenStateStartsAsTheLayoutsTexts() {
    WindowFixture f;
    QCOMPARE(f.form->postal_file, Sj(kPostalFileLayoutText));
    QCOMPARE(f.form->last_area_file, Sj(kLastAreaFileLayoutText));
  }

  void windowOpensAtItsLayoutPlace() {
    WindowFixture f;
    ShowActive(*f.form);
    QCOMPARE(f.form->frameGeometry(), QRect(104, 131, 595, 451));
  }

  void tabMovesInReadingOrder() {
    WindowFixture f;
    ShowActive(*f.form);
    // The code boxes are shown in postal mode only; tab order is checked where they show.
    f.form->old_code_box->show();
    f.form->new_code_box->show();
    f.form->query_box->setFocus();
    const std::vector<QWidget*> order = {
        f.form->old_code_box,    f.form->new_code_box, f.form->pref_box, f.form->result_pane,
        f.form->collection_pane, f.form->exit_button,  f.form->query_box};
    for (QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      // The query box takes the focus through its edit field.
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus == next || focus->parentWidget() == next);
    }
  }

  // F10 opens the menu; every picture button's command and the collecting double click have
  // a menu item with its shortcut shown beside it; the texts of the layout stay as they were.
  void everyCommandFromTheKeyboard() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    w.ClearResults();
    for (const char* line : {"first", "second"}) w.AppendResult(line);
    w.collection_pane->clear();
    f.services.clipboard = Screen("栃木県\n鹿沼市");

    w.query_box->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_VERIFY(w.settings_menu->isVisible());
    QTest::keyClick(w.settings_menu, Qt::Key_Down);
    QTest::keyClick(w.settings_menu, Qt::Key_Return);
    QCOMPARE(f.services.save_calls.size(), std::size_t{1});

    const auto caret_on_second = [&w] {
      QTextCursor cursor(w.result_pane->document()->findBlockByNumber(1));
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      w.result_pane->setTextCursor(cursor);
      w.result_pane->setFocus();
    };
    const std::vector<std::pair<const char*, std::function<bool()>>> commands = {
        {"Ctrl+S", [&] { return f.services.save_calls.size() == 2; }},
        {"Ctrl+O", [&] { return f.services.open_calls.size() == 1; }},
        {"Ctrl+T", [&] { return w.windowTitle() == Screen("ナンバル（電話）"); }},
        {"Ctrl+P", [&] { return w.windowTitle() == Screen("ナンバル（郵便）"); }},
        {"Ctrl+Shift+V", [&] { return w.QueryText() == Sj("栃木県"); }},
        {"Ctrl+Return", [&] { return PaneLines(*w.collection_pane).front() == "second"; }},
        {"Ctrl+Shift+C", [&] { return f.services.clipboard == "second"; }},
    };
    for (const auto& [keys, done] : commands) {
      const QKeySequence sequence(QString::fromLatin1(keys));
      const QList<QAction*> items = w.settings_menu->actions();
      QVERIFY2(std::ranges::any_of(items, [&](QAction* a) { return a->shortcut() == sequence; }),
               keys);
      if (std::string_view(keys).starts_with("Ctrl+Shift+C") ||
          std::string_view(keys).starts_with("Ctrl+Return")) {
        caret_on_second();
      }
      QTest::keySequence(QApplication::focusWidget(), sequence);
      QVERIFY2(done(), keys);
    }
    QCOMPARE(w.save_item->text(), Screen("集めたデータの保存"));
    QCOMPARE(w.choose_postal_file_item->text(), Screen("郵便番号ファイル設定"));
    QCOMPARE(w.exit_item->text(), Screen("終　了"));
    QCOMPARE(w.settings_menu->title(), Screen("　設定"));
  }

  void hintsSplitIntoTipAndStatus() {
    WindowFixture f;
    TForm1& w = *f.form;
    QCOMPARE(w.area_search_button->toolTip(), Screen("検索"));
    QCOMPARE(w.HintFor(w.area_search_button), Screen("　検索を実行します。"));
    // A hint without "|" is both tip and status text.
    QCOMPARE(w.new_code_box->toolTip(),
             Screen("ここに新番号を入れて下さい。優先的に検索されます。"));
    QCOMPARE(w.HintFor(w.new_code_box), w.new_code_box->toolTip());
    // Status line only, no tip.
    QVERIFY(w.side_copy_button->toolTip().isEmpty());
    QCOMPARE(w.HintFor(w.side_copy_button),
             Screen("クリップボードに転送します。選択範囲を選んでから押して下さい。"));
  }

  void hintsFollowTheParentChain() {
    WindowFixture f;
    TForm1& w = *f.form;
    // The query box's edit field and the panes' viewports take their owners' hints.
    QCOMPARE(
        w.HintFor(w.query_box->lineEdit()),
        Screen("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"));
    QCOMPARE(w.HintFor(w.result_pane->viewport()),
             Screen("ダブルクリックで下の欄に保管されます。"));
    // Nothing up to the window has a hint.
    for (QWidget* bare :
         {static_cast<QWidget*>(w.query_label), static_cast<QWidget*>(w.count_frame),
          static_cast<QWidget*>(w.count_label), w.centralWidget(), static_cast<QWidget*>(&w)})
      QVERIFY2(w.HintFor(bare).isEmpty(), qPrintable(bare->metaObject()->className()));
  }

  void statusLineChangesOnlyWithTheHint() {
    WindowFixture f;
    TForm1& w = *f.form;
    w.UpdateHint(Screen("甲"));
    QCOMPARE(w.status_line->text(), Screen("甲"));
    // A search result stays until the hint text next changes.
    w.SetStatus(Sj(" 検索を終わりました。"));
    w.UpdateHint(Screen("甲"));
    QCOMPARE(w.status_line->text(), Screen(" 検索を終わりました。"));
    w.UpdateHint(QString());
    QVERIFY(w.status_line->text().isEmpty());
  }

  void highlightedMenuItemsFeedTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    emit w.settings_menu->hovered(w.save_item);
    QCOMPARE(
        w.status_line->text(),
        Screen("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
    emit w.settings_menu->hovered(w.choose_postal_file_item);
    QVERIFY(w.status_line->text().isEmpty());
    emit w.settings_menu->hovered(w.save_item);
    emit w.settings_menu->hovered(w.exit_item);
    QVERIFY(w.status_line->text().isEmpty());
  }

  void pointerMovesFeedTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    QTest::mouseMove(w.choose_postal_file_button, QPoint(10, 10));
    QTRY_COMPARE(w.status_line->text(), Screen("郵便番号ファイルを設定して下さい。"));
    QTest::mouseMove(w.result_pane->viewport(), QPoint(20, 20));
    QTRY_COMPARE(w.status_line->text(), Screen("ダブルクリックで下の欄に保管されます。"));
    QTest::mouseMove(w.query_label, QPoint(2, 2));
    QTRY_VERIFY(w.status_line->text().isEmpty());
  }

  void realMenuHighlightFeedsTheStatusLine() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    w.settings_menu->popup(w.mapToGlobal(QPoint(0, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(w.settings_menu));
    QTest::mouseMove(w.settings_menu, w.settings_menu->actionGeometry(w.save_item).center());
    QTRY_COMPARE(
        w.status_line->text(),
        Screen("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
    QTest::mouseMove(w.settings_menu, w.settings_menu->actionGeometry(w.exit_item).center());
    QTRY_VERIFY(w.status_line->text().isEmpty());
    w.settings_menu->hide();
  }

  void controlsReachTheirHandlers() {
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    ClearPane(*w.result_pane);
    ClearPane(*w.collection_pane);
    for (const char* line : {"first", "second", "third"}) w.AppendResult(line);
    const QTextBlock second = w.result_pane->document()->findBlockByNumber(1);
    const QPoint on_second = w.result_pane->cursorRect(QTextCursor(second)).center() + QPoint(4, 0);
    // A click inside the pane is the pane's click; a double click collects the line.
    QTest::mouseClick(w.result_pane->viewport(), Qt::LeftButton, {}, on_second);
    QCOMPARE(w.shared.CaretLine, 1);
    QTest::mouseDClick(w.result_pane->viewport(), Qt::LeftButton, {}, on_second);
    QCOMPARE(PaneLines(*w.collection_pane), (std::vector<Bytes>{"second", ""}));
    // The mode pictures switch modes on a double click.
    QTest::mouseDClick(w.postal_mode_picture, Qt::LeftButton);
    QCOMPARE(w.windowTitle(), Screen("ナンバル（電話）"));
    QVERIFY(w.area_search_button->isVisible() && !w.postal_search_button->isVisible());
  }

  void resizeKeepsThePanesInStep_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("layout") << QSize(595, 451);
    QTest::newRow("large") << QSize(1000, 700);
    QTest::newRow("smallest") << QSize(480, 300);
    QTest::newRow("below the smallest") << QSize(200, 150);
  }

  void resizeKeepsThePanesInStep() {
    QFETCH(QSize, size);
    WindowFixture f;
    TForm1& w = *f.form;
    ShowActive(w);
    w.resize(size);
    const QSize outer = w.frameGeometry().size();
    QCOMPARE(w.result_pane->width(), outer.width() - 30);
    QCOMPARE(w.result_pane->height(), outer.height() - 4 * 20 - 65 - 4 * 25);
    QCOMPARE(w.collection_pane->y(), w.result_pane->geometry().bottom() + 1 + 10);
    QCOMPARE(w.collection_pane->width(), w.result_pane->width() - 50);
    QCOMPARE(w.collection_bar->x(), w.collection_pane->width() + 25);
    QCOMPARE(w.collection_bar->y(), w.collection_pane->y());
    QCOMPARE(w.column_header_bar->geometry(),
             QRect(w.result_pane->x(), 64, w.result_pane->width(), 25));
    const QWidget* client = w.centralWidget();
    QCOMPARE(w.status_line->geometry(), QRect(0, client->height() - 25, client->width(), 25));
    // However small the window is made, the panes leave the controls whole and usable.
    QVERIFY(w.result_pane->height() >= 50);
    QVERIFY(w.collection_pane->geometry().bottom() < w.status_line->y());
    QVERIFY(client->rect().contains(w.exit_button->geometry()));
    QVERIFY(client->rect().contains(w.count_frame->geometry()));
  }

  void placeInSightKeepsOrMovesTheTitleBar() {
    const QList<QRect> screens = {QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    const QSize size(595, 451);
    const std::pair<QPoint, QPoint> cases[] = {
        {{104, 131}, {104, 131}},     // in sight
        {{-200, -5}, {-200, -5}},     // partly off, the title bar within reach
        {{1500, 20}, {1500, 20}},     // on the second screen
        {{3000, 3000}, {1229, 149}},  // beyond both: onto the nearest, whole
        {{-1500, -20}, {0, 0}},       // far off the top left
        {{200, 760}, {200, 317}},     // only the bottom strip of the first screen
        {{-560, 300}, {0, 300}},      // 35 pixels of title bar: too few to take hold of
    };
    for (const auto& [saved, placed] : cases) {
      QCOMPARE(PlaceInSight(QRect(saved, size), screens), placed);
    }
    QCOMPARE(PlaceInSight(QRect(QPoint(50, 50), QSize(2000, 900)), {QRect(0, 0, 1024, 768)}),
             QPoint(50, 50));
    QCOMPARE(PlaceInSight(QRect(QPoint(0, -500), QSize(2000, 900)), {QRect(0, 0, 1024, 768)}),
             QPoint(0, 0));
  }

  void fullWidthIsTwoHalfWidthsInThePanes() {
    WindowFixture f;
    for (const QPlainTextEdit* pane : {f.form->result_pane, f.form->collection_pane}) {
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

  void aboutNamesProgramAndVersionAndNoPlaceholder() {
    WindowFixture f;
    f.services.boxes.clear();
    f.form->about_item->trigger();
    QCOMPARE(f.services.boxes.size(), std::size_t{1});
    const QString& text = f.services.boxes[0].text;
    QCOMPARE(f.services.boxes[0].kind, ScriptedServices::Box::kInformation);
    QVERIFY(text.contains(Screen("ナンバル")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\d+\\.\\d+\\.\\d+"))));
    QVERIFY(!text.contains(QStringLiteral("@")));
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
    const int pane_height = w.result_pane->height();
    w.resize(w.size() + QSize(0, 10));
    QTRY_COMPARE(w.result_pane->height(), pane_height + 10);
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
    f.form->exit_button->click();
    QVERIFY(!f.form->isVisible());
    ShowActive(*f.form);
    f.form->exit_item->trigger();
    QVERIFY(!f.form->isVisible());
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::WindowTest)
#include "window_test.moc"
