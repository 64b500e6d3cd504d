// Start-up, shut-down and the settings file.
#include <QGuiApplication>
#include <QScreen>

#include "app/edit_bytes.h"
#include "app/settings_file.h"
#include "app/tform1.h"
#include "app/window_placement.h"
#include "common/number.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "results/pane_edit.h"
#include "search/postal_list.h"

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

QList<QRect> ScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.push_back(screen->availableGeometry());
  return areas;
}

}  // namespace

void TForm1::FormCreate() {
  SetRunTimeFonts();
  // The hint handler is installed with the window's hint tracking, before this runs.
  setWindowTitle(ScreenText(Sj("ナンバル")));
  ClearPane(*result_pane);
  ClearPane(*collection_pane);
  Bytes dir;
  if (!TakeStartFolder(dir)) return;
  shared.StartDirPath = WithTrailingSeparator(dir);
  start_folder = shared.StartDirPath;
  shared.StartDirPath = SettingsPath(dir);
  // Each line lands in its control as soon as it is read; the window's place is taken last.
  Bytes top;
  Bytes left;
  if (!ReadSettingsFile(top, left)) return;
  move(Edge(left, pos().x()), Edge(top, pos().y()));
  move(PlaceInSight(frameGeometry(), ScreenAreas()));
  if (IsPhonePath(shared.DataFileName)) {
    PhoneModeClick();
  } else if (HoldsOfficeList(*this, shared.DataFileName)) {
    office_file = shared.DataFileName;
    OfficeModeClick();
  } else {
    PostalModeClick();
  }
}

bool TForm1::TakeStartFolder(Bytes& dir) {
  try {
    dir = services().CurrentDir();
    return true;
  } catch (const InOutError& error) {
    if (error.code() != io_code::kPathNotFound) throw;
  }
  // Every file of the window is named in Shift-JIS from this folder on: say so once, plainly,
  // instead of an error about a file name at every step.
  start_folder_unnamed_ = true;
  services().ShowError(
      this, ProgramTitle(),
      ScreenText(Sj("起動したフォルダ「")) + services().CurrentDirName() +
          ScreenText(Sj("」の名前には Shift-JIS で表せない文字があるため、設定ファイルも"
                        "データファイルも扱えません。Shift-JIS で表せる名前のフォルダから"
                        "起動して下さい。")));
  return false;
}

bool TForm1::ReadSettingsFile(Bytes& top, Bytes& left) {
  try {
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
    return true;
  } catch (const InOutError& error) {
    // A first run has no file yet: its message is the plain one.
    if (error.code() == io_code::kFileNotFound) throw;
    // The file is there and holds the user's settings, which this run does not know: it must
    // not be replaced by the defaults unasked.
    unread_settings_ = shared.StartDirPath;
    services().ShowError(this, ProgramTitle(),
                         ScreenText(Sj("設定ファイル「") + shared.StartDirPath +
                                    Sj("」を読めませんでした（") + error.message() +
                                    Sj("）。前回の設定を使わずに始めます。このファイルは、"
                                       "置き換えてよいか確かめるまで書き換えません。")));
    return false;
  }
}

bool TForm1::FormClose() {
  // The user was told at start that this folder keeps no settings.
  if (start_folder_unnamed_) return true;
  return Guard([this] { WriteSettingsFile(); });
}

void TForm1::WriteSettingsFile() {
  shared.StartDirPath = SettingsPath(services().CurrentDir());
  if (shared.StartDirPath == unread_settings_) {
    if (!services().AskYesNo(
            this,
            ScreenText(Sj("起動時に読めなかった設定ファイル「") + shared.StartDirPath +
                       Sj("」には前回までの設定が残っています。今の設定で置き換えますか？")))) {
      return;
    }
    unread_settings_.clear();
  }
  WriteSettings(shared.StartDirPath,
                {shared.DataFileName, QueryText(), OldCodeText(), NewCodeText(), PrefText(),
                 IntToStr(pos().y()), IntToStr(pos().x()), postal_file});
}

}  // namespace nanbaru
