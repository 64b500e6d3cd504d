// The three search modes and the choice of the data file of the postal two.
#include "app/settings_file.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// The filter boxes and their labels belong to postal mode.
void SetFiltersShown(TForm1& form, bool shown) {
  for (QWidget* control :
       std::initializer_list<QWidget*>{form.old_code_box, form.new_code_box, form.pref_box,
                                       form.old_code_label, form.new_code_label, form.pref_label})
    control->setVisible(shown);
}

// The column header sizes itself to its text, as the labels do at start-up.
void SetColumnHeader(QLabel* header, const Bytes& text) {
  header->setText(ScreenText(text));
  header->adjustSize();
}

// Shows the picture of one mode and hides the others'.
void ShowModePicture(TForm1& form, PictureLabel* shown) {
  for (PictureLabel* picture :
       {form.postal_mode_picture, form.phone_mode_picture, form.office_mode_picture})
    picture->setVisible(picture == shown);
}

}  // namespace

void TForm1::PhoneModeClick() {
  SetHint(query_box, Sj("電話番号の時は空白による地名の区切りは必要ありません。"), true);
  setWindowTitle(ScreenText(Sj("ナンバル（電話）")));
  SetColumnHeader(column_header, Sj("市外局番　　地　名"));
  SetFiltersShown(*this, false);
  ShowModePicture(*this, phone_mode_picture);
  services().ChangeDir(start_folder);
  shared.DataFileName = WithTrailingSeparator(services().CurrentDir()) + Sj("郵電話.txt");
  shared.OfficeMode = false;
  postal_search_button->hide();
  area_search_button->show();
}

void TForm1::PostalModeClick() {
  SetHint(query_box,
          Sj("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"),
          true);
  setWindowTitle(ScreenText(Sj("ナンバル（郵便）")));
  SetColumnHeader(column_header, Sj(" 旧郵番　新郵番　都道府県　市区町村　町域名"));
  SetFiltersShown(*this, true);
  ShowModePicture(*this, postal_mode_picture);
  // The settings file of the current directory as it is now, not of the start directory.
  shared.StartDirPath = SettingsPath(services().CurrentDir());
  ReadSettings(shared.StartDirPath, [this](int line, const Bytes& text) {
    if (line == kSettingsLineCount) postal_file = text;
  });
  shared.DataFileName = postal_file;
  shared.OfficeMode = false;
  area_search_button->hide();
  postal_search_button->show();
}

void TForm1::OfficeModeClick() {
  SetHint(query_box,
          Sj("事業所の名前、読み（ひらがな、カタカナ）、住所、郵便番号を入力して下さい。"), true);
  setWindowTitle(ScreenText(Sj("ナンバル（事業所）")));
  SetColumnHeader(column_header, Sj(" 新郵番　　都道府県　市区町村　町域・番地　事業所名"));
  SetFiltersShown(*this, true);
  ShowModePicture(*this, office_mode_picture);
  shared.DataFileName = office_file;
  shared.OfficeMode = true;
  area_search_button->hide();
  postal_search_button->show();
}

void TForm1::ChoosePostalFileClick() {
  shared.StartDirPath = WithTrailingSeparator(services().CurrentDir());
  start_folder = shared.StartDirPath;
  services().ShowInformation(
      this,
      ScreenText(
          shared.OfficeMode
              ? Sj("事業所の郵便番号データファイルを選んで下さい。例　日本郵便の jigyosyo.zip "
                   "や、それを展開した JIGYOSYO.CSV など。")
              : Sj("新郵便番号のデータファイルを選んで下さい。例　Ｑ：のドライブのＰｃｉｎｇの"
                   "ｋｉｊｉのｙｕｕｂｉｎのken_all.csvなど。")));
  QString chosen;
  if (services().RunOpenDialog(this, postal_file_dialog.file_name, postal_file_dialog.filters,
                               chosen)) {
    const Bytes path = ChosenPath(chosen);
    postal_file_dialog.file_name = chosen;
    shared.DataFileName = path;
    SetStatus(path);
    // In office mode the choice is the office list: line 8 keeps the national list.
    (shared.OfficeMode ? office_file : postal_file) = path;
  }
  // Back to the start directory, whatever the dialog left current, so the settings file
  // goes where it was read from.
  services().ChangeDir(start_folder);
  WriteSettingsFile();
}

void TForm1::ChooseDataFile() {
  ChoosePostalFileClick();
}

}  // namespace nanbaru
