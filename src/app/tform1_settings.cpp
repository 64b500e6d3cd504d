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

namespace {

// A window edge from its settings line; a line that is no number (a file damaged by hand or
// by an older version) leaves the edge where it is.
int Edge(const Bytes& line, int kept) {
  try {
    return StrToInt(line);
  } catch (const ConvertError&) {
    return kept;
  }
}

}  // namespace

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
  // Each line lands in its control as soon as it is read; the window's place is taken last.
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
  move(Edge(left, pos().x()), Edge(top, pos().y()));
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
