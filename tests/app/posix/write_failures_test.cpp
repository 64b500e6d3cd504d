// Writes the file system refuses on Linux: a full disk, for the settings file at closing and
// for a save. Both go through the safe writer, so the old file stays as it was.
#include <QApplication>
#include <QFile>
#include <QTest>

#include "results/pane_lines.h"
#include "settings_files.h"
#include "shared/scratch_fs.h"
#include "support/saving.h"

namespace nanbaru::test {

namespace {

const std::vector<Bytes> kValidLines = {"/x/KEN_ALL.CSV", "q", "", "", "p", "10", "20",
                                        "/x/KEN_ALL.CSV"};

Bytes Boxed(const Bytes& message) {
  return message + ".";
}

}  // namespace

class WriteFailuresTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // Closing writes through the safe writer: a failed write leaves the old file as it was
  // and the window open, and every attempt repeats the failure until one succeeds.
  void fullDiskKeepsTheWindowAndTheOldFile() {
    Session s;
    QVERIFY(QDir().mkdir("small"));
    ScratchMount m((s.work_dir.path() + "/small").toStdString(), "size=16k");
    if (!m.mounted()) QSKIP("no tmpfs can be mounted here");
    QVERIFY(QDir::setCurrent("small"));
    WriteSettingsLines(kValidLines);
    const Bytes old = SettingsBytes();
    TForm1& w = s.Start();
    w.show();
    m.Fill("filler");
    // More than the old file's block, so an emptied old file would not make room for it.
    const Bytes query(5000, 'q');
    w.SetQueryText(query);

    const Bytes full = Boxed(Sj("ﾃﾞｨｽｸがいっぱいです"));
    QVERIFY(!w.close());
    QVERIFY(!w.close());
    QCOMPARE(s.BoxTexts(), (std::vector<Bytes>{full, full}));
    QVERIFY(w.isVisible());
    QCOMPARE(SettingsBytes(), old);
    QCOMPARE(Entries("."), (QStringList{"filler", kSettingsName}));

    QVERIFY(QFile::remove("filler"));
    QVERIFY(w.close());
    QVERIFY(Contains(SettingsBytes(), "\r\n" + query + "\r\n"));
  }

  // A save goes through the safe writer: a failed one leaves the old file as it was.
  void fullDiskKeepsTheOldFile() {
    WindowFixture f;
    QVERIFY(QDir().mkdir("disk"));
    ScratchMount disk("disk", "size=16k");
    if (!disk.mounted()) QSKIP("no tmpfs can be mounted here");
    WriteFile("disk/keep.txt", "old\r\n");
    disk.Fill("filler");
    for (int i = 0; i < 200; ++i) AppendPaneBytes(*f.form->collection_pane, Bytes(100, 'z'));
    Save(f, "disk/keep.txt");
    QCOMPARE(LastBox(f.services), nanbaru::ScreenText(Sj("ﾃﾞｨｽｸがいっぱいです.")));
    QCOMPARE(FileBytes("disk/keep.txt"), Bytes("old\r\n"));
    QCOMPARE(Entries("disk"), (QStringList{"filler", "keep.txt"}));
    // The name is kept for the next save all the same.
    QCOMPARE(f.form->SaveFileName, QStringLiteral("disk/keep.txt"));
  }
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::WriteFailuresTest)
#include "write_failures_test.moc"
