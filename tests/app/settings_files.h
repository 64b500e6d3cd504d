#pragma once
// What the settings and mode tests share: the settings file of the current directory as raw
// bytes, a window started over it, and the state of the mode-dependent controls.

#include <QDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/tform1.h"
#include "app/tform1_layout.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "shared/file_bytes.h"
#include "support/scripted_services.h"
#include "support/work_dir.h"

namespace nanbaru::test {

inline const char kSettingsName[] = "nanbaru2.ini";

// Writes `lines` to the settings file (or the file named in UTF-8), each followed by CR LF,
// as the program would.
inline void WriteSettingsLines(const std::vector<Bytes>& lines,
                               const std::string& path = kSettingsName) {
  std::ofstream out(std::filesystem::path(std::u8string(path.begin(), path.end())),
                    std::ios::binary | std::ios::trunc);
  for (const Bytes& line : lines) out << line << "\r\n";
}

inline Bytes SettingsBytes() {
  return FileBytes(kSettingsName);
}

inline Bytes JoinLines(const std::vector<Bytes>& lines) {
  Bytes joined;
  for (const Bytes& line : lines) joined += line + "\r\n";
  return joined;
}

// The current directory with its trailing separator, as the start directory holds it.
inline Bytes HereDir() {
  return WithTrailingSeparator(CurrentDir());
}

// A window started in a fresh working directory; the settings file, if any, is written by
// the test before Start().
struct Session {
  WorkDir work_dir;
  ScriptedServices services;
  std::unique_ptr<TForm1> form;

  TForm1& Start() {
    form = std::make_unique<TForm1>(services);
    return *form;
  }
  // The texts of the boxes shown so far, as Shift-JIS.
  std::vector<Bytes> BoxTexts() const {
    std::vector<Bytes> texts;
    for (const ScriptedServices::Box& box : services.boxes)
      texts.push_back(nanbaru::TextOf(box.text));
    return texts;
  }
};

inline Bytes Caption(const QWidget& window) {
  return nanbaru::TextOf(window.windowTitle());
}
inline Bytes TextOf(const QLabel* label) {
  return nanbaru::TextOf(label->text());
}

enum class Layout { kNone, kPhone, kPostal, kOffice };

// Which mode the window shows, from the controls each mode sets.
inline Layout ShownLayout(const TForm1& w) {
  const bool filters = !w.old_code_box->isHidden() && !w.new_code_box->isHidden() &&
                       !w.pref_box->isHidden() && !w.old_code_label->isHidden() &&
                       !w.new_code_label->isHidden() && !w.pref_label->isHidden();
  const bool no_filters = w.old_code_box->isHidden() && w.new_code_box->isHidden() &&
                          w.pref_box->isHidden() && w.old_code_label->isHidden() &&
                          w.new_code_label->isHidden() && w.pref_label->isHidden();
  if (!w.office_mode_picture->isHidden()) {
    const bool office =
        w.postal_mode_picture->isHidden() && w.phone_mode_picture->isHidden() && filters &&
        Caption(w) == Sj("ナンバル（事業所）") &&
        TextOf(w.column_header) == Sj(" 新郵番　　都道府県　市区町村　町域・番地　事業所名") &&
        w.query_box->toolTip() == QString::fromUtf8(
                                      "事業所の名前、読み（ひらがな、カタカナ）、"
                                      "住所、郵便番号を入力して下さい。");
    return office ? Layout::kOffice : Layout::kNone;
  }
  if (w.postal_mode_picture->isHidden() && w.phone_mode_picture->isHidden()) return Layout::kNone;
  if (!w.phone_mode_picture->isHidden() && w.postal_mode_picture->isHidden() && no_filters &&
      Caption(w) == Sj("ナンバル（電話）") && TextOf(w.column_header) == Sj("市外局番　　地　名") &&
      w.query_box->toolTip() ==
          QString::fromUtf8("電話番号の時は空白による地名の区切りは必要ありません。")) {
    return Layout::kPhone;
  }
  if (!w.postal_mode_picture->isHidden() && w.phone_mode_picture->isHidden() && filters &&
      Caption(w) == Sj("ナンバル（郵便）") &&
      TextOf(w.column_header) == Sj(" 旧郵番　新郵番　都道府県　市区町村　町域名") &&
      w.query_box->toolTip() ==
          QString::fromUtf8("検索する地名、番号を入力。地名は県と市、町域の間を空白で区切って"
                            "入力して下さい。")) {
    return Layout::kPostal;
  }
  return Layout::kNone;
}

enum class Buttons { kNeither, kBoth, kArea, kPostal };

inline Buttons ShownSearchButtons(const TForm1& w) {
  const bool area = !w.area_search_button->isHidden();
  const bool postal = !w.postal_search_button->isHidden();
  if (area && postal) return Buttons::kBoth;
  if (area) return Buttons::kArea;
  return postal ? Buttons::kPostal : Buttons::kNeither;
}

}  // namespace nanbaru::test
