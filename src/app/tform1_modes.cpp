// The two search modes and the choice of the postal data file.
#include "app/caption_bytes.h"
#include "app/settings_file.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// The filter boxes and their labels belong to postal mode.
void SetFiltersShown(TForm1& form, bool shown) {
  for (QWidget* control : std::initializer_list<QWidget*>{form.Edit1, form.Edit2, form.Edit3,
                                                          form.Label2, form.Label3, form.Label4})
    control->setVisible(shown);
}

// The column header sizes itself to its text, as the labels do at start-up.
void SetColumnHeader(QLabel* header, const Bytes& text) {
  header->setText(ScreenText(text));
  header->adjustSize();
}

}  // namespace

void TForm1::SpeedButton3Click() {
  SetHint(ComboBox1, Sj("電話番号の時は空白による地名の区切りは必要ありません。"), true);
  setWindowTitle(ScreenText(Sj("ナンバル（電話）")));
  SetColumnHeader(Label5, Sj("市外局番　　地　名"));
  SetFiltersShown(*this, false);
  Image2->show();
  Image1->hide();
  services().ChangeDir(CaptionBytes(Label9));
  shared.DataFileName = WithTrailingSeparator(services().CurrentDir()) + Sj("郵電話.txt");
  SpeedButton5->hide();
  SpeedButton2->show();
}

void TForm1::SpeedButton4Click() {
  SetHint(ComboBox1,
          Sj("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って入力して下さい。"),
          true);
  setWindowTitle(ScreenText(Sj("ナンバル（郵便）")));
  SetColumnHeader(Label5, Sj(" 旧郵番　新郵番　都道府県　市区町村　町域名"));
  SetFiltersShown(*this, true);
  Image1->show();
  Image2->hide();
  // The settings file of the current directory as it is now, not of the start directory.
  shared.StartDirPath = SettingsPath(services().CurrentDir());
  ReadSettings(shared.StartDirPath, [this](int line, const Bytes& text) {
    if (line == kSettingsLineCount) SetCaptionBytes(Label7, text);
  });
  shared.DataFileName = CaptionBytes(Label7);
  SpeedButton2->hide();
  SpeedButton5->show();
}

void TForm1::Image1DblClick() {
  SpeedButton3Click();
}

void TForm1::Image2DblClick() {
  SpeedButton4Click();
}

void TForm1::K1Click() {
  shared.StartDirPath = WithTrailingSeparator(services().CurrentDir());
  SetCaptionBytes(Label9, shared.StartDirPath);
  services().ShowInformation(
      this,
      ScreenText(
          Sj("新郵便番号のデータファイルを選んで下さい。例　Ｑ：のドライブのＰｃｉｎｇのｋｉｊｉの"
             "ｙｕｕｂｉｎのken_all.csvなど。")));
  QString chosen;
  if (services().RunOpenDialog(this, OpenDialog1.file_name, OpenDialog1.filters, chosen)) {
    const Bytes path = ChosenPath(chosen);
    OpenDialog1.file_name = chosen;
    shared.DataFileName = path;
    SetStatus(path);
    SetCaptionBytes(Label7, path);
  }
  // Back to the start directory, whatever the dialog left current, so the settings file
  // goes where it was read from.
  services().ChangeDir(CaptionBytes(Label9));
  WriteSettingsFile();
}

void TForm1::SpeedButton1Click() {
  K1Click();
}

void TForm1::ChooseDataFile() {
  SpeedButton1Click();
}

}  // namespace nanbaru
