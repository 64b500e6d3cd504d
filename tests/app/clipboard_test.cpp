// Copying a pane's selection, the clipboard's first line as the query, and saving the
// collection pane: its lines and the dialog it offers. (Saves the file system refuses are
// tested per platform, in write_failures_test.)
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "common/bytes.h"
#include "results/pane_lines.h"
#include "shared/file_bytes.h"
#include "support/saving.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

// Selects characters `from` to `to` of a pane and gives it the focus.
void Select(QPlainTextEdit& pane, int from, int to) {
  QTextCursor cursor(pane.document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  pane.setTextCursor(cursor);
  pane.setFocus();
}

// Scripted services but for the save dialog, which is the program's own.
class RealSaveDialog : public ScriptedServices {
 public:
  bool RunSaveDialog(QWidget* parent, const QString& file_name, QString& chosen) override {
    return QtWindowServices().RunSaveDialog(parent, file_name, chosen);
  }
};

}  // namespace

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void copyTakesTheFocusedPanesSelection() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    form.ClearResults();
    form.AppendResult(Sj("鹿沼市 上町"));
    form.AppendResult(Sj("鹿沼市 下町"));
    Select(*form.result_pane, 4, 10);
    QTest::mouseClick(form.copy_button, Qt::LeftButton);
    QCOMPARE(f.services.clipboard, Screen("上町\n鹿沼市"));
    // The button took no focus, so the other button copies from the same pane.
    QCOMPARE(form.focusWidget(), form.result_pane);

    form.collection_pane->setPlainText(Screen("集めた\n行"));
    Select(*form.collection_pane, 0, 5);
    QTest::mouseClick(form.side_copy_button, Qt::LeftButton);
    QCOMPARE(f.services.clipboard, Screen("集めた\n行"));
    QCOMPARE(form.focusWidget(), form.collection_pane);
  }

  void copyWithoutAPaneSelectionKeepsTheClipboard() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    form.ClearResults();
    form.AppendResult("line");
    f.services.clipboard = "kept";
    Select(*form.result_pane, 0, 4);
    form.query_box->setFocus();
    form.CopySelectionClick();
    QCOMPARE(f.services.clipboard, QString("kept"));

    Select(*form.result_pane, 2, 2);
    form.CopySelectionClick();
    QCOMPARE(f.services.clipboard, QString("kept"));
  }

  void clipboardFirstLineBecomesTheQuery() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    for (const Bytes& mode : {AreaDataPath(), PostalDataPath()}) {
      form.shared.DataFileName = mode;
      form.ClearResults();
      form.AppendResult("untouched");
      form.SetStatus("status");
      form.SetQueryText("old");

      f.services.clipboard = Screen("栃木県　鹿沼市\r\n2行目");
      QTest::mouseClick(form.clipboard_query_button, Qt::LeftButton);
      QCOMPARE(form.QueryText(), Sj("栃木県　鹿沼市"));
      QCOMPARE(form.clipboard_line_box->text(), Screen("栃木県　鹿沼市"));
      f.services.clipboard = "first\nsecond";
      form.ClipboardQueryClick();
      QCOMPARE(form.QueryText(), Bytes("first"));
      f.services.clipboard.clear();
      form.ClipboardQueryClick();
      QCOMPARE(form.QueryText(), Bytes());

      // No search ran: the result pane, the status line and the history are as they were.
      QCOMPARE(nanbaru::PaneLines(*form.result_pane), std::vector<Bytes>{"untouched"});
      QCOMPARE(form.status_line->text(), QString("status"));
      QCOMPARE(form.query_box->count(), 0);
      QVERIFY(!form.QueryBusy());
    }
  }

  void resultLineComesBackAsTheQuery() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    form.shared.DataFileName = PostalDataPath();
    form.old_code_box->clear();
    form.new_code_box->clear();
    form.pref_box->setText(Screen("栃木県"));
    form.SetQueryText(Sj("鹿沼市"));
    form.PostalSearchClick();
    const std::vector<Bytes> lines = nanbaru::PaneLines(*form.result_pane);
    const auto at =
        std::ranges::find_if(lines, [](const Bytes& l) { return Contains(l, Sj("上粕尾")); });
    QVERIFY(at != lines.end());
    const Bytes& line = *at;
    const int found = static_cast<int>(at - lines.begin());

    const QTextBlock block = form.result_pane->document()->findBlockByNumber(found);
    Select(*form.result_pane, block.position(), block.position() + block.length() - 1);
    form.CopySelectionClick();
    form.ClipboardQueryClick();
    QCOMPARE(form.QueryText(), line);
  }

  void saveWritesEveryLineWithItsBreak() {
    WindowFixture f;
    TForm1& form = *f.form;
    const QString here = QDir::currentPath();
    form.collection_pane->setPlainText(Screen("一行目\n  二行目"));
    Save(f, "collected");
    QVERIFY(f.services.boxes.empty());
    QCOMPARE(FileBytes("collected"), Sj("一行目\r\n  二行目\r\n"));
    QCOMPARE(Entries(here), QStringList{"collected"});
    QCOMPARE(form.SaveFileName, QStringLiteral("collected"));

    // The dialog offers the last name; a name it confirms replaces the old file.
    const QString full = here + "/collected";
    form.collection_pane->clear();
    Save(f, full);
    QCOMPARE(FileBytes(full.toStdString()), Bytes());
    form.collection_pane->setPlainText(Screen("x\n"));
    Save(f, full);
    QCOMPARE(FileBytes(full.toStdString()), Bytes("x\r\n"));
    QCOMPARE(f.services.save_calls.size(), std::size_t{3});
    QCOMPARE(f.services.save_calls[0].file_name, QString());
    QCOMPARE(f.services.save_calls[2].file_name, full);
    QCOMPARE(QDir::currentPath(), here);

    // Cancelling changes nothing.
    form.collection_pane->setPlainText("y");
    f.services.boxes.clear();
    f.form->save_item->trigger();
    QVERIFY(f.services.boxes.empty());
    QCOMPARE(FileBytes(full.toStdString()), Bytes("x\r\n"));
    QCOMPARE(form.SaveFileName, full);
  }

  // However narrow the pane, each collected line is saved whole on one line of its own: a
  // postal line of 105 bytes and one of 6,004 bytes, at widths where they wrap and where not.
  void collectedLinesAreSavedWholeAtAnyWidth() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    const Bytes postal =
        Sj(" 028-51  028-5102  岩手県   岩手郡葛巻町 葛巻（第１地割〜第１９地割、"
           "第２１地割〜第２３地割）");
    Bytes huge;
    while (huge.size() < 6000) huge += Sj("第１地割、");
    huge = huge.substr(0, 6000) + "1234";
    form.collection_pane->clear();
    AppendPaneBytes(*form.collection_pane, postal);
    AppendPaneBytes(*form.collection_pane, huge);
    for (const int width : {120, 438, 2000}) {
      form.collection_pane->resize(width, form.collection_pane->height());
      Save(f, "whole.txt");
      QCOMPARE(FileBytes("whole.txt"), postal + "\r\n" + huge + "\r\n");
    }
  }

  // Typed breaks and collected lone line feeds end lines; each saved line is clean Shift-JIS,
  // under a name that Shift-JIS need not hold.
  void savedLinesAreCleanWhateverTheName() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    form.collection_pane->setFocus();
    QTest::keyClicks(form.collection_pane, "abc");
    QTest::keyClick(form.collection_pane, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(form.collection_pane, "def");
    const QString name = Screen("波〜\U0001F4EE.txt");
    Save(f, name);
    QVERIFY(f.services.boxes.empty());
    QCOMPARE(FileBytes(name.toStdString()), Bytes("abc\r\ndef\r\n"));
    QCOMPARE(form.SaveFileName, name);

    // A collected line with a lone line feed, and one the fetch limit cuts.
    Bytes wide = "a";
    for (int i = 0; i < 2100; ++i) wide += Sj("あ");
    form.result_pane->clear();
    AppendPaneBytes(*form.result_pane, "lone\nLF");
    AppendPaneBytes(*form.result_pane, wide);
    form.collection_pane->clear();
    for (int line = 0; line < 2; ++line) {
      QTextCursor cursor(form.result_pane->document()->findBlockByNumber(line));
      const QPoint at = form.result_pane->cursorRect(cursor).center() + QPoint(1, 0);
      QTest::mouseClick(form.result_pane->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(form.result_pane->viewport(), Qt::LeftButton, {}, at);
    }
    Save(f, name);
    QCOMPARE(FileBytes(name.toStdString()), "lone\r\nLF\r\n" + wide.substr(0, 4095) + "\r\n");
  }

  // Characters Shift-JIS cannot hold are saved as "?" only when the user agrees.
  void unheldCharactersAreSavedOnlyAfterYes() {
    WindowFixture f;
    TForm1& form = *f.form;
    ShowActive(form);
    QGuiApplication::clipboard()->setText(Screen("café 한국 😀"));
    form.collection_pane->setFocus();
    QTest::keyClick(form.collection_pane, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.collection_pane->toPlainText(), Screen("café 한국 😀"));
    Save(f, "no.txt");
    QCOMPARE(f.services.questions.size(), std::size_t{1});
    QVERIFY(f.services.questions[0].contains(QStringLiteral(" 4 ")));
    QVERIFY(!QFile::exists("no.txt"));

    f.services.answers = {true};
    Save(f, "yes.txt");
    QCOMPARE(f.services.questions.size(), std::size_t{2});
    QCOMPARE(FileBytes("yes.txt"), Bytes("caf? ?? ?\r\n"));
  }

  // The program's own save dialog asks before an existing file is replaced: いいえ keeps it,
  // and a name typed without an extension is saved as typed. The current directory stays.
  void realSaveDialogAsksBeforeReplacing() {
    if (SystemFileDialogs()) QSKIP("the system's own file dialog is out of the test's reach");
    WorkDir work_dir;
    RealSaveDialog services;
    TForm1 form(services);
    const QString here = QDir::currentPath();
    WriteFile("typed", "old\r\n");
    QVERIFY(QDir().mkdir("sub"));
    form.collection_pane->setPlainText("new");
    // Each name is typed once; the dialog takes it after this timer's turn, so that the
    // timer still runs in the question's own event loop.
    int questions = 0;
    int typed = 0;
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++questions;
        box->button(QMessageBox::No)->click();
        return;
      }
      auto* dialog = form.findChild<QFileDialog*>();
      auto* name = dialog != nullptr ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
      if (name == nullptr || !dialog->isVisible() || typed > questions) return;
      // Browsing elsewhere and back must not move the process.
      dialog->setDirectory(QDir::currentPath() + "/sub");
      dialog->setDirectory(QDir::currentPath());
      name->setText(typed++ == 0 ? "typed" : "other");
      QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
    });
    typist.start(10);
    QVERIFY(form.Guard([&form] { form.SaveCollectionClick(); }));
    QCOMPARE(questions, 1);
    QCOMPARE(FileBytes("typed"), Bytes("old\r\n"));
    QCOMPARE(FileBytes("other"), Bytes("new\r\n"));
    QCOMPARE(form.SaveFileName, here + "/other");
    QCOMPARE(QDir::currentPath(), here);
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::ClipboardTest)
#include "clipboard_test.moc"
