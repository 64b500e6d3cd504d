// Start-up, shut-down and the settings file.
#include "app/edit_bytes.h"
#include "app/settings_file.h"
#include "app/tform1.h"
#include "common/number.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "results/pane_edit.h"

namespace nanbaru {

void TForm1::FormCreate() {
  SetRunTimeFonts();
  // The hint handler is installed with the window's hint tracking, before this runs.
  setWindowTitle(ScreenText(Sj("ナンバル")));
  ClearPane(*result_pane);
  ClearPane(*collection_pane);
  const Bytes dir = services().CurrentDir();
  shared.StartDirPath = WithTrailingSeparator(dir);
  start_folder = shared.StartDirPath;
  shared.StartDirPath = SettingsPath(dir);
  // Each line lands in its control as soon as it is read. The window's place is taken last,
  // so a bad number leaves the rest of start-up undone but every line restored, and the
  // next close writes back the postal file it read.
  Bytes top;
  Bytes left;
  ReadSettings(shared.StartDirPath, [&](int line, const Bytes& text) {
    switch (line) {
      case 1:
        shared.DataFileName = text;
        break;
      case 2:
        SetQueryText(text);
        break;
      case 3:
        SetEditBytes(old_code_box, text);
        break;
      case 4:
        SetNewCodeText(text);
        break;
      case 5:
        SetPrefText(text);
        break;
      case 6:
        top = text;
        break;
      case 7:
        left = text;
        break;
      default:
        postal_file = text;
    }
  });
  move(pos().x(), StrToInt(top));
  move(StrToInt(left), pos().y());
  if (IsPhonePath(shared.DataFileName)) {
    PhoneModeClick();
  } else {
    PostalModeClick();
  }
}

bool TForm1::FormClose() {
  return Guard([this] { WriteSettingsFile(); });
}

void TForm1::WriteSettingsFile() {
  shared.StartDirPath = SettingsPath(services().CurrentDir());
  WriteSettings(shared.StartDirPath,
                {shared.DataFileName, QueryText(), OldCodeText(), NewCodeText(), PrefText(),
                 IntToStr(pos().y()), IntToStr(pos().x()), postal_file});
}

}  // namespace nanbaru
