// The window's controls as the layout defines them: parent, place and size at 96 dots per
// inch, texts, hints, visibility and tab order.
#include <QMenuBar>

#include "app/fonts.h"
#include "app/input_method.h"
#include "app/pictures.h"
#include "app/tform1.h"
#include "platform/sjis_codec.h"
#include "results/result_pane.h"

namespace nanbaru {

namespace {

// Layout texts are held as the Shift-JIS bytes the system reads back, shown through the codec.
QString T(const char* utf8) {
  return ScreenText(Sj(utf8));
}

QLabel* MakeLabel(QWidget* parent, int left, int top, int width, int height, const char* text) {
  auto* label = new QLabel(T(text), parent);
  label->setGeometry(left, top, width, height);
  return label;
}

QFrame* MakePanel(QWidget* parent, int left, int top, int width, int height) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(left, top, width, height);
  return panel;
}

QToolButton* MakeSpeedButton(QWidget* parent, int left, int top, const char* picture) {
  auto* button = new QToolButton(parent);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setIcon(ButtonPicture(picture));
  button->setIconSize(QSize(16, 16));
  button->setGeometry(left, top, 25, 25);
  return button;
}

QLineEdit* MakeEdit(QWidget* parent, int left, int top) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(left, top, 73, 20);
  return edit;
}

PictureLabel* MakeModePicture(QWidget* parent, const char* picture) {
  auto* image = new PictureLabel(parent);
  image->setGeometry(267, 36, 33, 25);
  // The 32 x 32 picture is shown whole, scaled into the picture's place.
  const QPixmap pixmap = Picture(picture);
  if (!pixmap.isNull())
    image->setPixmap(pixmap.scaled(25, 25, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  image->setAlignment(Qt::AlignCenter);
  image->hide();
  return image;
}

QPlainTextEdit* SetUpPane(QPlainTextEdit* pane, int left, int top, int width, int height) {
  pane->setGeometry(left, top, width, height);
  pane->setTabChangesFocus(true);
  pane->setPlainText(QStringLiteral("\n"));  // One empty line.
  return pane;
}

}  // namespace

void TForm1::CreateControls() {
  client_ = new QWidget(this);
  setCentralWidget(client_);
  setWindowTitle(T("ナンバル（郵便）"));

  Label6 = MakeLabel(client_, 8, 3, 24, 12, "検索");

  ComboBox1 = new QComboBox(client_);
  ComboBox1->setEditable(true);
  // Only the searches add to the drop-down list, and the text stays as typed.
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setDuplicatesEnabled(true);
  ComboBox1->setCompleter(nullptr);
  ComboBox1->setGeometry(56, 0, 169, 20);
  ComboBox1->setEditText(T("鹿沼市"));
  SetHint(ComboBox1,
          Sj("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"),
          true);
  UseHiraganaInput(ComboBox1);
  UseHiraganaInput(ComboBox1->lineEdit());

  Panel1 = MakePanel(client_, 240, 0, 169, 25);
  SpeedButton2 = MakeSpeedButton(Panel1, 0, 0, "hand_right");
  SetHint(SpeedButton2, Sj("検索|　検索を実行します。"), true);
  SpeedButton5 = MakeSpeedButton(Panel1, 0, 0, "compact_disc");
  SetHint(SpeedButton5, Sj("ＰＣｉｎｇに付属のＣＳＶファイル等を検索実行します。"), true);
  SpeedButton1 = MakeSpeedButton(Panel1, 32, 0, "paper_burst");
  SetHint(SpeedButton1, Sj("郵便番号ファイルを設定して下さい。"), true);
  SpeedButton3 = MakeSpeedButton(Panel1, 63, 0, "phone_burst");
  SetHint(SpeedButton3, Sj("電話番号ファイルを検索ファイルとします。"), true);
  SpeedButton4 = MakeSpeedButton(Panel1, 88, 0, "envelope");
  SetHint(SpeedButton4, Sj("郵便番号ファイルを指定します。"), true);
  SpeedButton9 = MakeSpeedButton(Panel1, 119, 0, "paper_to_clipboard");
  SetHint(SpeedButton9, Sj("選択されたデータをクリップボードに転送します。"), true);
  SpeedButton8 = MakeSpeedButton(Panel1, 144, 0, "clipboard_to_paper");
  SetHint(SpeedButton8, Sj("クリップボードのデータを検索します。"), true);

  BitBtn1 = new QPushButton(T("終 了"), client_);
  BitBtn1->setGeometry(416, 0, 57, 25);
  BitBtn1->setAutoDefault(false);

  Label2 = MakeLabel(client_, 16, 24, 60, 12, "旧郵便番号");
  Label3 = MakeLabel(client_, 104, 24, 60, 12, "新郵便番号");
  Label4 = MakeLabel(client_, 192, 24, 48, 12, "都道府県");

  Edit1 = MakeEdit(client_, 8, 40);
  SetHint(Edit1, Sj("ここに旧番号を入れると他に優先し検索されます。消し忘れないで下さい。"), true);
  UseNoInputMethod(Edit1);
  Edit2 = MakeEdit(client_, 96, 40);
  SetHint(Edit2, Sj("ここに新番号を入れて下さい。優先的に検索されます。"), true);
  UseNoInputMethod(Edit2);
  Edit3 = MakeEdit(client_, 184, 40);
  Edit3->setText(T("栃木県"));
  pref_text_ = TextOf(Edit3->text());
  SetHint(Edit3, Sj("県名を指定して検索させます。時間短縮に便利です。"), true);
  UseHiraganaInput(Edit3);

  Image1 = MakeModePicture(client_, "mailbox");
  SetHint(Image1, Sj("ここをダブルクリックしても電話番号検索になります。"), true);
  Image2 = MakeModePicture(client_, "desk_phone");
  SetHint(Image2, Sj("ここをダブルクリックしても郵便番号検索になります。"), true);

  Panel5 = MakePanel(client_, 320, 30, 153, 33);
  Label1 = MakeLabel(Panel5, 1, 8, 7, 13, "");

  Panel3 = MakePanel(client_, 6, 64, 467, 25);
  Label5 = MakeLabel(Panel3, 8, 8, 252, 12, "旧郵番　新郵番　都道府県　市区町村　町域名");

  Memo1 = SetUpPane(new ResultPane(client_), 3, 88, 470, 201);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetHint(Memo1, Sj("ダブルクリックで下の欄に保管されます。"), true);

  Memo2 = SetUpPane(new QPlainTextEdit(client_), 3, 312, 438, 65);
  Memo2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHint(Memo2, Sj("データを保管する場所です。必要に応じて右のボタンで転送して下さい。"), true);

  Panel4 = MakePanel(client_, 448, 304, 25, 25);
  SpeedButton7 = MakeSpeedButton(Panel4, 0, 0, "paper_to_clipboard");
  SetHint(SpeedButton7, Sj("クリップボードに転送します。選択範囲を選んでから押して下さい。"),
          false);
  SpeedButton6 = MakeSpeedButton(Panel4, 0, 8, "clipboard_to_paper");
  SpeedButton6->hide();

  // State holders: never shown, their captions are read back.
  Label7 = MakeLabel(client_, 0, 0, 0, 0, "Label7 ｃｄ　dir");
  Label9 = MakeLabel(client_, 0, 0, 0, 0, "label9 起動ディレクトリ");
  Label11 = MakeLabel(client_, 0, 0, 0, 0, "Label11");
  Edit4 = new QLineEdit(client_);
  for (QWidget* hidden : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(Label9),
                          static_cast<QWidget*>(Label11), static_cast<QWidget*>(Edit4)})
    hidden->hide();

  Panel2 = new QLabel(T("　新郵便番号、電話番号、地名を検索するソフトです。"), client_);
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Panel2->setFixedHeight(25);

  setTabOrder(ComboBox1, Memo1);
  setTabOrder(Memo1, BitBtn1);
  setTabOrder(BitBtn1, Edit2);
  setTabOrder(Edit2, Edit1);
  setTabOrder(Edit1, Edit3);
  setTabOrder(Edit3, Memo2);
  setTabOrder(Memo2, Edit4);

  OpenDialog1.file_name = QStringLiteral("*.*");
  // The list as the postal service publishes it can be chosen without unpacking it.
  OpenDialog1.filters = {T("ＣＳＶファイル（*.ｃｓｖ) (*.csv)"), T("テキスト(*.txt)"),
                         T("すべてのファイル (*.*)"), T("郵便番号データ(*.zip)")};

  SetRunTimeFonts();
}

void TForm1::CreateMenu() {
  MainMenu1 = menuBar();
  MainMenu1->setNativeMenuBar(false);
  file1 = MainMenu1->addMenu(T("　設定"));
  save1 = file1->addAction(T("集めたデータの保存"));
  SetHint(save1,
          Sj("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
  K1 = file1->addAction(T("郵便番号ファイル設定"));
  exit1 = file1->addAction(T("終　了"));
  font1 = MainMenu1->addAction(T("About"));
}

void TForm1::SetRunTimeFonts() {
  const QFont font = RunTimeFont();
  for (QWidget* control : std::initializer_list<QWidget*>{
           Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label9, Label11, Edit1, Edit2,
           Edit3, Edit4, ComboBox1, BitBtn1, Memo1, Memo2, Panel2})
    control->setFont(font);
  // Labels size themselves to their text. The column header's text changes with the mode, so
  // it reaches past its bar, which cuts it, and a longer header is never cut short.
  for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6}) label->adjustSize();
  Label5->resize(Label5->width() * 4, Label5->height());
}

}  // namespace nanbaru
