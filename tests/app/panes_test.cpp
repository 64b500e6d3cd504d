// The panes' line model, the result pane's click (line number in the count label) and double
// click (the clicked line collected into the collection pane).
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "results/pane_edit.h"
#include "results/pane_lines.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

// Shows a pane that wraps its lines at a width a place-name line does not fit in.
void ShowNarrowWrapping(QPlainTextEdit& pane) {
  pane.setLineWrapMode(QPlainTextEdit::WidgetWidth);
  pane.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pane.resize(120, 200);
  ShowActive(pane);
}

// A point of the viewport on line `line` of an unwrapped pane, `column` characters in.
QPoint PointOf(QPlainTextEdit& pane, int line, int column = 0) {
  QTextCursor cursor(pane.document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
  return pane.cursorRect(cursor).center() + QPoint(1, 0);
}

void Click(QPlainTextEdit& pane, QPoint at, Qt::KeyboardModifiers keys = {}) {
  QTest::mouseClick(pane.viewport(), Qt::LeftButton, keys, at);
}

// The events of a real double click: the first click, then the second press as a double
// click, then its release.
void DoubleClick(QPlainTextEdit& pane, QPoint at) {
  QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {}, at);
}

Bytes CountLabel(TForm1& form) {
  return nanbaru::TextOf(form.count_label->text());
}

Bytes Nth(int number) {
  return "  " + std::to_string(number) + Sj("件目");
}

// The lines a pane shows, fetched by number as the handlers fetch them, less the empty line
// after the final break.
std::vector<Bytes> ShownLines(const QPlainTextEdit& pane) {
  std::vector<Bytes> lines;
  const std::int32_t last = PaneLineAt(pane, pane.document()->characterCount() - 1);
  for (std::int32_t i = 0; i <= last; ++i) lines.push_back(PaneLine(pane, i));
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// A character that Shift-JIS holds under two codes: the NEC-selected copy comes back from
// Unicode as the IBM one, so only kept bytes give it back as the file had it.
const Bytes kTwinCode = "\xED\x40";

}  // namespace

class PanesTest : public QObject {
  Q_OBJECT

 private slots:
  void lineModelOfAnUnwrappedPane() {
    QPlainTextEdit pane;
    pane.setLineWrapMode(QPlainTextEdit::NoWrap);
    QVERIFY(nanbaru::PaneLines(pane).empty());
    QCOMPARE(PaneLine(pane, 0), Bytes());

    AppendPaneBytes(pane, "a");
    AppendPaneBytes(pane, Sj("　全角 "));
    // A text that ends with a line break has no extra empty line.
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"a", Sj("　全角 ")}));
    QCOMPARE(PaneLine(pane, 1), Sj("　全角 "));
    QCOMPARE(PaneLine(pane, 2), Bytes());
    QCOMPARE(PaneLine(pane, -1), Bytes());
    QCOMPARE(PaneLineAt(pane, pane.document()->characterCount() - 1), 2);

    pane.setPlainText("a\nb");
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"a", "b"}));
    // A text typed without a final line break gets a break before the next line.
    AppendPaneBytes(pane, "next");
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"a", "b", "next"}));
    // A lone line feed stays inside its line; CR LF breaks it.
    ClearPane(pane);
    AppendPaneBytes(pane, "a\nb");
    AppendPaneBytes(pane, "c\r\nd");
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"a\nb", "c", "d"}));

    // Cut to 4,096 bytes: 2,048 full-width characters.
    Bytes wide;
    for (int i = 0; i < 2500; ++i) wide += Sj("あ");
    pane.clear();
    AppendPaneBytes(pane, wide);
    QCOMPARE(PaneLine(pane, 0), wide.substr(0, 4096));
    // A character the limit would split is left out whole.
    AppendPaneBytes(pane, "a" + wide);
    QCOMPARE(PaneLine(pane, 1), "a" + wide.substr(0, 4094));
  }

  void wrappedLineCountsAsEveryPieceShown() {
    QPlainTextEdit pane;
    ShowNarrowWrapping(pane);
    const Bytes line = Sj("栃木県 鹿沼市 上町 下町 中町 石橋町 久我 栃窪 口粟野");
    AppendPaneBytes(pane, "x");
    AppendPaneBytes(pane, line);

    const std::vector<Bytes> lines = ShownLines(pane);
    QVERIFY(lines.size() >= 3);
    Bytes joined;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      QVERIFY(!lines[i].empty());
      joined += lines[i];
    }
    // The pieces hold every byte, the spaces at the wrap points included.
    QCOMPARE(joined, line);
    // The text's own lines are whole.
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"x", line}));
    QCOMPARE(PaneLineAt(pane, pane.document()->characterCount() - 2),
             static_cast<std::int32_t>(lines.size()) - 1);
    QCOMPARE(PaneLine(pane, static_cast<std::int32_t>(lines.size())), Bytes());
  }

  void writtenBytesComeBackUntilTheLineIsEdited() {
    QVERIFY(nanbaru::TextOf(nanbaru::ScreenText(kTwinCode)) != kTwinCode);
    QPlainTextEdit pane;
    ShowNarrowWrapping(pane);
    Bytes line;
    for (int i = 0; i < 12; ++i) line += kTwinCode + Sj("町 ");
    AppendPaneBytes(pane, "y");
    AppendPaneBytes(pane, line);
    QCOMPARE(pane.toPlainText(), "y\n" + nanbaru::ScreenText(line) + "\n");

    const std::vector<Bytes> lines = ShownLines(pane);
    QVERIFY(lines.size() >= 3);
    Bytes joined;
    for (std::size_t i = 1; i < lines.size(); ++i) joined += lines[i];
    QCOMPARE(joined, line);
    QCOMPARE(nanbaru::PaneLines(pane), (std::vector<Bytes>{"y", line}));

    // An edit of the line: what the pane shows now is all there is.
    QTextCursor cursor(pane.document()->findBlockByNumber(1));
    cursor.insertText("z");
    QCOMPARE(nanbaru::PaneLines(pane),
             (std::vector<Bytes>{"y", nanbaru::TextOf("z" + nanbaru::ScreenText(line))}));
  }

  void clickShowsTheLineOfTheSelectionStart() {
    WindowFixture f;
    ShowActive(*f.form);
    TForm1& form = *f.form;
    form.ClearResults();
    form.shared.CaretLine = 5;
    Click(*form.result_pane, QPoint(20, 10));
    QCOMPARE(form.shared.CaretLine, 0);
    QCOMPARE(CountLabel(form), Nth(1));

    for (const char* line : {"first line", "second line", "third line"}) form.AppendResult(line);
    Click(*form.result_pane, PointOf(*form.result_pane, 1, 3));
    QCOMPARE(CountLabel(form), Nth(2));
    // Below the last result line lies the empty line after the final break.
    Click(*form.result_pane, QPoint(20, form.result_pane->viewport()->height() - 5));
    QCOMPARE(form.shared.CaretLine, 3);
    QCOMPARE(CountLabel(form), Nth(4));

    // The keyboard moves the caret without a click.
    QTest::keyClick(form.result_pane, Qt::Key_Up);
    QTest::keyClick(form.result_pane, Qt::Key_Up);
    QCOMPARE(form.result_pane->textCursor().blockNumber(), 1);
    QCOMPARE(CountLabel(form), Nth(4));

    // A selection counts from its earlier end, whichever end the click made.
    Click(*form.result_pane, PointOf(*form.result_pane, 0, 2));
    Click(*form.result_pane, PointOf(*form.result_pane, 2, 4), Qt::ShiftModifier);
    QVERIFY(form.result_pane->textCursor().hasSelection());
    QCOMPARE(CountLabel(form), Nth(1));
    Click(*form.result_pane, PointOf(*form.result_pane, 2, 4));
    Click(*form.result_pane, PointOf(*form.result_pane, 1, 1), Qt::ShiftModifier);
    QCOMPARE(form.shared.CaretLine, 1);
    QCOMPARE(CountLabel(form), Nth(2));
  }

  void doubleClickCollectsTheLineAsItStands() {
    WindowFixture f;
    ShowActive(*f.form);
    TForm1& form = *f.form;
    form.ClearResults();
    form.collection_pane->clear();
    const Bytes spaced = Sj(" 322-01  322-0061  栃木県   鹿沼市 上町  ");
    form.AppendResult("header");
    form.AppendResult(spaced);
    DoubleClick(*form.result_pane, PointOf(*form.result_pane, 1, 12));
    QCOMPARE(form.shared.CaretLine, 1);
    QCOMPARE(nanbaru::PaneLines(*form.collection_pane), std::vector<Bytes>{spaced});
    QVERIFY(form.collection_pane->toPlainText().endsWith('\n'));

    // The empty line after the final break is collected as an empty line.
    DoubleClick(*form.result_pane, QPoint(20, form.result_pane->viewport()->height() - 5));
    QCOMPARE(form.shared.CaretLine, 2);
    QCOMPARE(form.collection_pane->toPlainText(), nanbaru::ScreenText(spaced) + "\n\n");

    // The handler leaves the count label alone.
    form.SetCountLabel("count");
    form.ResultPaneDoubleClick();
    QCOMPARE(CountLabel(form), Bytes("count"));
  }

  void appendedLinesLeaveTheCaretAfterThemInView() {
    WindowFixture f;
    ShowActive(*f.form);
    TForm1& form = *f.form;
    form.ClearResults();
    for (int i = 1; i <= 50; ++i) form.AppendResult("line " + std::to_string(i));
    // A caret the user put elsewhere meanwhile goes to the end with the next line.
    form.result_pane->moveCursor(QTextCursor::Start);
    for (int i = 51; i <= 100; ++i) form.AppendResult("line " + std::to_string(i));
    QCOMPARE(form.result_pane->textCursor().position(),
             form.result_pane->document()->characterCount() - 1);
    // The pane follows its caret, so the last lines of a long result are the ones shown.
    QVERIFY(form.result_pane->verticalScrollBar()->maximum() > 0);
    QTextCursor last_line = form.result_pane->textCursor();
    last_line.movePosition(QTextCursor::PreviousBlock);
    QCOMPARE(last_line.block().text(), QStringLiteral("line 100"));
    const QRect shown = form.result_pane->viewport()->rect();
    QVERIFY(shown.contains(form.result_pane->cursorRect(last_line)));
    QVERIFY(shown.contains(form.result_pane->cursorRect()));
  }

  void collectedTextWithoutFinalBreakGetsOneBeforeTheLine() {
    WindowFixture f;
    ShowActive(*f.form);
    TForm1& form = *f.form;
    form.ClearResults();
    form.AppendResult(Sj("鹿沼市"));
    form.collection_pane->setPlainText(QString::fromUtf8("メモ"));
    DoubleClick(*form.result_pane, PointOf(*form.result_pane, 0, 1));
    QCOMPARE(form.collection_pane->toPlainText(), QString::fromUtf8("メモ\n鹿沼市"));
    DoubleClick(*form.result_pane, PointOf(*form.result_pane, 0, 1));
    QCOMPARE(form.collection_pane->toPlainText(), QString::fromUtf8("メモ\n鹿沼市\n鹿沼市"));
    QCOMPARE(form.collection_pane->textCursor().position(),
             form.collection_pane->document()->characterCount() - 1);
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::PanesTest)
#include "panes_test.moc"
