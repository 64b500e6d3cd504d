// Times the real window on the current platform (offscreen in bench/window_scan.sh):
//   window_bench scan RUNS     Enter in the query box to the end of a postal search over the
//                              whole bundled national list, for a key found nowhere; prints
//                              the median in milliseconds.
//   window_bench start EPOCH   process start (EPOCH: microseconds since the Unix epoch, taken
//                              by the caller just before it started this process) to the
//                              window shown; prints milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "bench/quiet_services.h"
#include "platform/sjis_codec.h"

namespace {

using nanbaru::Sj;
using nanbaru::TForm1;

void PressEnter(TForm1& form) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QCoreApplication::sendEvent(form.query_box, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QCoreApplication::sendEvent(form.query_box, &release);
}

int Scan(TForm1& form, int runs, const QString& key) {
  form.shared.DataFileName = nanbaru::Utf8ToSjis(NANBARU_PLAIN_LIST);
  form.old_code_box->clear();
  form.new_code_box->clear();
  form.pref_box->clear();
  form.show();
  QCoreApplication::processEvents();
  std::vector<double> times;
  for (int run = 0; run <= runs; ++run) {
    form.query_box->setEditText(key);
    QElapsedTimer timer;
    timer.start();
    PressEnter(form);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (!nanbaru::Contains(nanbaru::TextOf(form.result_pane->toPlainText()), Sj("検索終了 "))) {
      std::fputs("the search did not end with its count line\n", stderr);
      return 1;
    }
    if (run > 0) times.push_back(ms);  // The first run warms the page cache.
  }
  std::sort(times.begin(), times.end());
  std::printf("%.2f\n", times[times.size() / 2]);
  return 0;
}

int Start(TForm1& form, long long start_us) {
  form.show();
  while (!form.windowHandle()->isExposed()) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  const long long now_us = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
  std::printf("%.2f\n", static_cast<double>(now_us - start_us) / 1000.0);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const bool scan = args.size() == 4 && args[1] == QStringLiteral("scan");
  if (!scan && (args.size() != 3 || args[1] != QStringLiteral("start"))) {
    std::fputs("usage: window_bench scan RUNS KEY | window_bench start EPOCH_MICROSECONDS\n",
               stderr);
    return 2;
  }
  nanbaru::QuietServices services;
  TForm1 form(services);
  if (scan) return Scan(form, std::max(1, args[2].toInt()), args[3]);
  return Start(form, args[2].toLongLong());
}
