// The window's controls as the layout defines them: parent, place and size at 96 dots per
// inch, texts, hints and visibility.
#include "app/tform1_layout.h"

#include <QMenuBar>

#include "app/fonts.h"
#include "app/input_method.h"
#include "app/pictures.h"
#include "app/single_line.h"
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

QToolButton* MakeToolButton(QWidget* parent, int left, int top, const char* picture) {
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
  KeepFirstLineOnly(edit);
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

  query_label = MakeLabel(client_, 8, 3, 24, 12, "検索");

  query_box = new QComboBox(client_);
  query_box->setEditable(true);
  // Only the searches add to the drop-down list, and the text stays as typed.
  query_box->setInsertPolicy(QComboBox::NoInsert);
  query_box->setDuplicatesEnabled(true);
  query_box->setCompleter(nullptr);
  KeepFirstLineOnly(query_box->lineEdit());
  query_box->setGeometry(56, 0, 169, 20);
  query_box->setEditText(T("鹿沼市"));
  SetHint(query_box,
          Sj("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"),
          true);
  UseHiraganaInput(query_box);
  UseHiraganaInput(query_box->lineEdit());

  tool_bar = MakePanel(client_, 240, 0, 169, 25);
  area_search_button = MakeToolButton(tool_bar, 0, 0, "hand_right");
  SetHint(area_search_button, Sj("検索|　検索を実行します。"), true);
  postal_search_button = MakeToolButton(tool_bar, 0, 0, "compact_disc");
  SetHint(postal_search_button, Sj("ＰＣｉｎｇに付属のＣＳＶファイル等を検索実行します。"), true);
  choose_postal_file_button = MakeToolButton(tool_bar, 32, 0, "paper_burst");
  SetHint(choose_postal_file_button, Sj("郵便番号ファイルを設定して下さい。"), true);
  phone_mode_button = MakeToolButton(tool_bar, 63, 0, "phone_burst");
  SetHint(phone_mode_button, Sj("電話番号ファイルを検索ファイルとします。"), true);
  postal_mode_button = MakeToolButton(tool_bar, 88, 0, "envelope");
  SetHint(postal_mode_button, Sj("郵便番号ファイルを指定します。"), true);
  copy_button = MakeToolButton(tool_bar, 119, 0, "paper_to_clipboard");
  SetHint(copy_button, Sj("選択されたデータをクリップボードに転送します。"), true);
  clipboard_query_button = MakeToolButton(tool_bar, 144, 0, "clipboard_to_paper");
  SetHint(clipboard_query_button, Sj("クリップボードのデータを検索します。"), true);

  exit_button = new QPushButton(T("終 了"), client_);
  exit_button->setGeometry(416, 0, 57, 25);
  exit_button->setAutoDefault(false);

  old_code_label = MakeLabel(client_, 16, 24, 60, 12, "旧郵便番号");
  new_code_label = MakeLabel(client_, 104, 24, 60, 12, "新郵便番号");
  pref_label = MakeLabel(client_, 192, 24, 48, 12, "都道府県");

  old_code_box = MakeEdit(client_, 8, 40);
  SetHint(old_code_box, Sj("ここに旧番号を入れると他に優先し検索されます。消し忘れないで下さい。"),
          true);
  UseNoInputMethod(old_code_box);
  new_code_box = MakeEdit(client_, 96, 40);
  SetHint(new_code_box, Sj("ここに新番号を入れて下さい。優先的に検索されます。"), true);
  UseNoInputMethod(new_code_box);
  pref_box = MakeEdit(client_, 184, 40);
  pref_box->setText(T("栃木県"));
  pref_text_ = TextOf(pref_box->text());
  SetHint(pref_box, Sj("県名を指定して検索させます。時間短縮に便利です。"), true);
  UseHiraganaInput(pref_box);

  postal_mode_picture = MakeModePicture(client_, "mailbox");
  SetHint(postal_mode_picture, Sj("ここをダブルクリックしても電話番号検索になります。"), true);
  phone_mode_picture = MakeModePicture(client_, "desk_phone");
  SetHint(phone_mode_picture, Sj("ここをダブルクリックしても郵便番号検索になります。"), true);

  count_frame = MakePanel(client_, 320, 30, 153, 33);
  count_label = MakeLabel(count_frame, 1, 8, 7, 13, "");

  column_header_bar = MakePanel(client_, 6, 64, 467, 25);
  column_header =
      MakeLabel(column_header_bar, 8, 8, 252, 12, "旧郵番　新郵番　都道府県　市区町村　町域名");

  result_pane = SetUpPane(new ResultPane(client_), 3, 88, 470, 201);
  result_pane->setLineWrapMode(QPlainTextEdit::NoWrap);
  result_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  result_pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetHint(result_pane, Sj("ダブルクリックで下の欄に保管されます。"), true);

  collection_pane = SetUpPane(new QPlainTextEdit(client_), 3, 312, 438, 65);
  collection_pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  collection_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  collection_pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHint(collection_pane, Sj("データを保管する場所です。必要に応じて右のボタンで転送して下さい。"),
          true);

  collection_bar = MakePanel(client_, 448, 304, 25, 25);
  side_copy_button = MakeToolButton(collection_bar, 0, 0, "paper_to_clipboard");
  SetHint(side_copy_button, Sj("クリップボードに転送します。選択範囲を選んでから押して下さい。"),
          false);
  side_clipboard_query_button = MakeToolButton(collection_bar, 0, 8, "clipboard_to_paper");
  side_clipboard_query_button->hide();

  postal_file = Sj(kPostalFileLayoutText);
  start_folder = Sj(kStartFolderLayoutText);
  last_area_file = Sj(kLastAreaFileLayoutText);
  clipboard_line_box = MakeEdit(client_, 0, 0);
  clipboard_line_box->hide();

  status_line = new QLabel(T("　新郵便番号、電話番号、地名を検索するソフトです。"), client_);
  status_line->setFrameStyle(QFrame::Panel | QFrame::Raised);
  status_line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  status_line->setFixedHeight(25);

  postal_file_dialog.file_name = QStringLiteral("*.*");
  // The list as the postal service publishes it can be chosen without unpacking it.
  postal_file_dialog.filters = {T("ＣＳＶファイル（*.ｃｓｖ) (*.csv)"), T("テキスト(*.txt)"),
                                T("すべてのファイル (*.*)"), T("郵便番号データ(*.zip)")};

  SetRunTimeFonts();
}

void TForm1::CreateMenu() {
  menu_bar = menuBar();
  menu_bar->setNativeMenuBar(false);
  settings_menu = menu_bar->addMenu(T("　設定"));
  save_item = settings_menu->addAction(T("集めたデータの保存"));
  SetHint(save_item,
          Sj("下欄に集めたデータを指定した名で保存します。？．ｔｘｔで保存すると便利です。"));
  choose_postal_file_item = settings_menu->addAction(T("郵便番号ファイル設定"));
  update_list_item = settings_menu->addAction(T("郵便番号データの更新"));
  update_list_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+U")));
  SetHint(update_list_item, Sj("郵便番号データの最新版を日本郵便から取得して置き換えます。"));
  exit_item = settings_menu->addAction(T("終　了"));
  about_item = menu_bar->addAction(T("About"));
}

void TForm1::SetRunTimeFonts() {
  const QFont font = RunTimeFont();
  for (QWidget* control : std::initializer_list<QWidget*>{
           count_label, old_code_label, new_code_label, pref_label, column_header, query_label,
           old_code_box, new_code_box, pref_box, clipboard_line_box, query_box, exit_button,
           result_pane, collection_pane, status_line})
    control->setFont(font);
  // Labels size themselves to their text. The column header's text changes with the mode, so
  // it reaches past its bar, which cuts it, and a longer header is never cut short.
  for (QLabel* label :
       {count_label, old_code_label, new_code_label, pref_label, column_header, query_label})
    label->adjustSize();
  column_header->resize(column_header->width() * 4, column_header->height());
}

}  // namespace nanbaru
