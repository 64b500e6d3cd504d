// 設定 → 郵便番号データの更新 on a real window on an X server, from the loopback server the
// core tests use: its shortcut updates the list, the result pane lists what changed and the
// window searches the new list; Esc in the progress dialog cancels and changes nothing.

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <string>

#include "shared/file_bytes.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

namespace {

const std::string kServer = NANBARU_UPDATE_SERVER;

// The bundled list with two records added and one removed, dated a month later, zipped as the
// postal service does, where the server serves it; returns its address.
std::string ServeNewerEdition(const QString& work) {
  std::string list = FileBytes(NANBARU_SHARED_DATA "/KEN_ALL.CSV");
  const std::size_t code = list.find("\"3220061\"");
  const std::size_t start = list.rfind('\n', code) + 1;
  list.erase(start, list.find('\n', code) + 1 - start);
  for (const auto& [code, town] : {std::pair{"01", "新町一"}, std::pair{"02", "新町二"}}) {
    list += Sj(std::string("09201,\"322  \",\"32299") + code +
               "\",\"ﾄﾁｷﾞｹﾝ\",\"ｶﾇﾏｼ\",\"ｼﾝﾏﾁ\",\"栃木県\",\"鹿沼市\",\"" + town +
               "\",0,0,0,0,0,0\r\n");
  }
  const std::string dir = work.toStdString();
  std::ofstream(dir + "/KEN_ALL.CSV", std::ios::binary) << list;
  const std::string name = "window-" + std::to_string(QCoreApplication::applicationPid()) + ".zip";
  const std::string command = "cd '" + dir + "' && touch -d 2026-06-26T12:00 KEN_ALL.CSV && " +
                              "zip -q -X " + name + " KEN_ALL.CSV && mv " + name + " '" + kServer +
                              "/files/'";
  if (std::system(command.c_str()) != 0) return {};
  return "http://127.0.0.1:" + FileBytes(kServer + "/port") + "/files/" + name;
}

}  // namespace

class UpdateMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    data_home_ = std::make_unique<QTemporaryDir>();
    setenv("XDG_DATA_HOME", data_home_->path().toUtf8().constData(), 1);
  }

  // The bundled list is dated 2026-05-26, long enough ago by now.
  void theListsEditionIsToldAtStartAndInTheAboutBox() {
    WindowFixture w;
    w.form->postal_file = PostalDataPath();
    w.form->TellIfListIsStale();
    QCOMPARE(w.form->status_line->text(),
             Screen("郵便番号データが2026年5月26日版と古いため、設定 → 郵便番号データの更新 "
                    "で新しくして下さい。"));
    w.services.boxes.clear();
    w.form->about_item->trigger();
    QCOMPARE(w.services.boxes.size(), std::size_t{1});
    QVERIFY2(w.services.boxes.front().text.contains(
                 Screen("郵便番号データ：2026-05-26版（Shift-JIS版、124825件）\n") +
                 ScreenText(PostalDataPath())),
             qPrintable(w.services.boxes.front().text));
  }

  void shortcutUpdatesAndListsTheChanges() {
    if (FileBytes(kServer + "/port") == "<missing>") QSKIP("no update server: run through ctest");
    WindowFixture w;
    const std::string address = ServeNewerEdition(w.work_dir.path());
    QVERIFY(!address.empty());
    // The bundled list is the one in use; the empty folder had no settings file to read.
    w.form->postal_file = PostalDataPath();
    w.services.boxes.clear();
    w.form->list_addresses = {"http://127.0.0.1:" + FileBytes(kServer + "/port") + "/html",
                              address};
    QCOMPARE(w.form->update_list_item->shortcut(), QKeySequence(QStringLiteral("Ctrl+U")));
    ShowActive(*w.form);
    QTest::keyClick(w.form.get(), Qt::Key_U, Qt::ControlModifier);

    QVERIFY2(w.services.boxes.empty(),
             qPrintable(w.services.boxes.empty() ? QString() : w.services.boxes.front().text));
    QVERIFY(PaneLines(*w.form->result_pane) ==
            (std::vector<Bytes>{
                Sj("  追加された郵便番号　2件"), Sj(" 322     322-9901  栃木県   鹿沼市 新町一"),
                Sj(" 322     322-9902  栃木県   鹿沼市 新町二"), Sj("  削除された郵便番号　1件"),
                Sj(" 322     322-0061  栃木県   鹿沼市 千手町"), "  ",
                Sj("    追加 2件、削除 1件です。"), ""}));
    const QString list = data_home_->path() + "/nanbaru/ken_all.zip";
    QCOMPARE(ScreenText(w.form->postal_file), list);
    QCOMPARE(ScreenText(w.form->shared.DataFileName), list);
    QVERIFY(w.form->status_line->text().startsWith(Screen("郵便番号データを2026-06-26版")));

    w.form->SetQueryText(Sj("322-9902"));
    w.form->PostalSearchClick();
    const std::vector<Bytes> found = PaneLines(*w.form->result_pane);
    QVERIFY(!found.empty() && found.front() == Sj(" 322     322-9902  栃木県   鹿沼市 新町二"));
  }

  void escCancelsAndChangesNothing() {
    if (FileBytes(kServer + "/port") == "<missing>") QSKIP("no update server: run through ctest");
    WindowFixture w;
    const std::string address = ServeNewerEdition(w.work_dir.path());
    w.form->list_addresses = {address.substr(0, address.find("/files/")) + "/stall" +
                              address.substr(address.rfind('/'))};
    w.form->postal_file = PostalDataPath();
    w.services.boxes.clear();
    const Bytes before = w.form->postal_file;
    ShowActive(*w.form);
    QTimer::singleShot(500, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (qobject_cast<QProgressDialog*>(dialog) != nullptr)
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w.form->update_list_item->trigger();
    QCOMPARE(w.form->status_line->text(),
             Screen("郵便番号データの更新を取り消しました。データはそのままです。"));
    QVERIFY(w.services.boxes.empty());
    QCOMPARE(w.form->postal_file, before);
    QVERIFY(!QDir(data_home_->path() + "/nanbaru").exists("ken_all.zip"));
  }

 private:
  std::unique_ptr<QTemporaryDir> data_home_;  // the user's data folder, new for each test
};

}  // namespace nanbaru::test

QTEST_MAIN(nanbaru::test::UpdateMenuTest)
#include "update_menu_test.moc"
