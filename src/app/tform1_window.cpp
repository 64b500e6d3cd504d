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

void TForm1::fore() {
  const QSize outer = frameGeometry().size();
  QRect memo1 = Memo1->geometry();
  memo1.setWidth(outer.width() - 3 * PointSize(Memo1->font()));
  memo1.setHeight(outer.height() - 4 * Edit1->height() - Memo2->height() - 4 * Panel2->height());
  Memo1->setGeometry(memo1);

  QRect memo2 = Memo2->geometry();
  memo2.moveTop(memo1.top() + memo1.height() + PointSize(Memo2->font()));
  memo2.setWidth(memo1.width() - 2 * SpeedButton7->width());
  Memo2->setGeometry(memo2);

  Panel4->move(memo2.width() + Panel4->width(), memo2.top());
  Panel3->setGeometry(memo1.left(), Panel3->y(), memo1.width(), Panel3->height());
}

void TForm1::font1Click() {
  services().ShowInformation(
      this, QString::fromUtf8(
                "ナンバル　バージョン " NANBARU_VERSION "\n\n"
                "郵便番号と市外局番を調べるソフトです。地名、旧郵便番号、新郵便番号、"
                "市外局番で検索し、結果の行を下の欄に集めて、クリップボードやファイルに"
                "渡せます。\n\n"
                "データ\n"
                "・郵便番号：日本郵便が公開している全国一括の郵便番号データ（ken_all.csv）\n"
                "・市外局番：総務省の電気通信番号計画による番号を、libphonenumber "
                "プロジェクトの地域データ（Apache License 2.0）から\n\n"
                "連絡先：nanbaru@users.noreply.invalid"));
}

void TForm1::BitBtn1Click() {
  close();
}
void TForm1::exit1Click() {
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
  Guard([this] { fore(); });
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Guard([this] { fore(); });
}

}  // namespace nanbaru
