// The window's own handlers: the resize rule, the About box and the exits.
#include <QCloseEvent>
#include <QFontInfo>

#include "app/tform1.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// The window's outer size as the layout gives it; the frame is known only once it is shown.
constexpr QSize kLayoutOuterSize(595, 451);

int PointSize(const QFont& font) {
  return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

}  // namespace

void TForm1::FitPanesToWindow() {
  const QSize outer = frameGeometry().size();
  QRect results = result_pane->geometry();
  results.setWidth(outer.width() - 3 * PointSize(result_pane->font()));
  results.setHeight(outer.height() - 4 * old_code_box->height() - collection_pane->height() -
                    4 * status_line->height());
  result_pane->setGeometry(results);

  QRect collection = collection_pane->geometry();
  collection.moveTop(results.top() + results.height() + PointSize(collection_pane->font()));
  collection.setWidth(results.width() - 2 * side_copy_button->width());
  collection_pane->setGeometry(collection);

  collection_bar->move(collection.width() + collection_bar->width(), collection.top());
  column_header_bar->setGeometry(results.left(), column_header_bar->y(), results.width(),
                                 column_header_bar->height());
}

void TForm1::AboutClick() {
  services().ShowInformation(
      this, QString::fromUtf8(
                "ナンバル　バージョン " NANBARU_VERSION "\n\n"
                "郵便番号と市外局番を調べるソフトです。地名、旧郵便番号、新郵便番号、"
                "市外局番で検索し、結果の行を下の欄に集めて、クリップボードやファイルに"
                "渡せます。\n\n"
                "データ\n"
                "・郵便番号：日本郵便が公開している全国一括の郵便番号データ（ken_all.csv）\n"
                "・市外局番：総務省の電気通信番号計画による番号を、libphonenumber "
                "プロジェクトの地域データ（Apache License 2.0）から\n\n") +
                ScreenText(ListInUseText()));
}

void TForm1::ExitClick() {
  close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool may_close = false;
  Guard([this, &may_close] { may_close = FormClose(); });
  // Settings that cannot be written must not keep the user from leaving.
  if (!may_close) {
    may_close = services().AskYesNo(
        this, ScreenText(Sj("設定を保存できませんでした。保存せずに終了しますか？")));
  }
  if (may_close) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  MeetLayoutOuterSize();
}

// A window manager frames the window some time after it is shown; the window learns the
// frame's size only then.
void TForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  MeetLayoutOuterSize();
}

void TForm1::MeetLayoutOuterSize() {
  if (outer_size_set_ || !isVisible()) return;
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frame.isNull()) return;
  outer_size_set_ = true;
  resize(kLayoutOuterSize - frame);
  // The panes follow the outer size, which the frame has just made real.
  Guard([this] { FitPanesToWindow(); });
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Guard([this] { FitPanesToWindow(); });
}

}  // namespace nanbaru
