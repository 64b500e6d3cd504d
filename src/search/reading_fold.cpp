#include "search/reading_fold.h"

#include <array>

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// The list's form of each katakana from ァ to ヶ, in code order; hiragana from ぁ to ん share
// the order. The list has no small kana and no ヰ or ヱ.
constexpr std::array<const char*, 86> kKatakanaForms = {
    "ｱ",  "ｱ",  "ｲ",  "ｲ",  "ｳ",  "ｳ",  "ｴ",  "ｴ", "ｵ",  "ｵ",  "ｶ",  "ｶﾞ", "ｷ",  "ｷﾞ", "ｸ",
    "ｸﾞ", "ｹ",  "ｹﾞ", "ｺ",  "ｺﾞ", "ｻ",  "ｻﾞ", "ｼ", "ｼﾞ", "ｽ",  "ｽﾞ", "ｾ",  "ｾﾞ", "ｿ",  "ｿﾞ",
    "ﾀ",  "ﾀﾞ", "ﾁ",  "ﾁﾞ", "ﾂ",  "ﾂ",  "ﾂﾞ", "ﾃ", "ﾃﾞ", "ﾄ",  "ﾄﾞ", "ﾅ",  "ﾆ",  "ﾇ",  "ﾈ",
    "ﾉ",  "ﾊ",  "ﾊﾞ", "ﾊﾟ", "ﾋ",  "ﾋﾞ", "ﾋﾟ", "ﾌ", "ﾌﾞ", "ﾌﾟ", "ﾍ",  "ﾍﾞ", "ﾍﾟ", "ﾎ",  "ﾎﾞ",
    "ﾎﾟ", "ﾏ",  "ﾐ",  "ﾑ",  "ﾒ",  "ﾓ",  "ﾔ",  "ﾔ", "ﾕ",  "ﾕ",  "ﾖ",  "ﾖ",  "ﾗ",  "ﾘ",  "ﾙ",
    "ﾚ",  "ﾛ",  "ﾜ",  "ﾜ",  "ｲ",  "ｴ",  "ｦ",  "ﾝ", "ｳﾞ", "ｶ",  "ｹ",
};

const std::array<Bytes, 86>& KatakanaForms() {
  static const std::array<Bytes, 86> forms = [] {
    std::array<Bytes, 86> sjis;
    for (std::size_t i = 0; i < sjis.size(); ++i) sjis[i] = Sj(kKatakanaForms[i]);
    return sjis;
  }();
  return forms;
}

// Half-width small kana ｧ to ｯ, written full size.
constexpr std::string_view kFullSizeOfSmall = "\xB1\xB2\xB3\xB4\xB5\xD4\xD5\xD6\xC2";

constexpr unsigned char kHalfWidthLongVowel = 0xB0;  // ｰ
constexpr unsigned char kHalfWidthDot = 0xA5;        // ･

// Appends the list's form of one character; false for a character no reading holds.
bool FoldCharacter(unsigned char lead, unsigned char trail, Bytes& out, bool& kana) {
  if (lead == 0x82 && trail >= 0x9F && trail <= 0xF1) {
    out += KatakanaForms()[trail - 0x9F];
    kana = true;
  } else if (lead == 0x83 && trail >= 0x40 && trail <= 0x96 && trail != 0x7F) {
    out += KatakanaForms()[trail - 0x40 - (trail > 0x7F ? 1 : 0)];
    kana = true;
  } else if (lead == 0x81 && trail == 0x5B) {  // ー
    out += '-';
  } else if (lead == 0x81 && trail == 0x45) {  // ・
    out += static_cast<char>(kHalfWidthDot);
  } else if (lead != 0x81 || trail != 0x40) {  // the ideographic space is left out
    return false;
  }
  return true;
}

// The column's byte as the folded query writes it.
char ColumnByte(char byte) {
  return static_cast<unsigned char>(byte) == kHalfWidthLongVowel ? '-' : byte;
}

}  // namespace

Bytes FoldReading(std::string_view query) {
  Bytes out;
  bool kana = false;
  for (std::size_t i = 0; i < query.size(); ++i) {
    const auto byte = static_cast<unsigned char>(query[i]);
    if (byte >= 0xA7 && byte <= 0xAF) {
      out += kFullSizeOfSmall[byte - 0xA7];
      kana = true;
    } else if (byte >= 0xA6 && byte <= 0xDD) {
      out += ColumnByte(query[i]);
      kana = kana || byte != kHalfWidthLongVowel;
    } else if (byte == 0xA4 || byte == 0xA5 || byte == 0xDE || byte == 0xDF || byte == '-') {
      out += query[i];
    } else if (byte != ' ') {
      if (i + 1 >= query.size() ||
          !FoldCharacter(byte, static_cast<unsigned char>(query[i + 1]), out, kana)) {
        return {};
      }
      ++i;
    }
  }
  return kana ? out : Bytes();
}

bool ReadingContains(std::string_view column, std::string_view folded) {
  for (std::size_t start = 0; start < column.size(); ++start) {
    if (ColumnByte(column[start]) != folded[0]) continue;
    std::size_t matched = 1;
    for (std::size_t at = start + 1; matched < folded.size() && at < column.size(); ++at) {
      if (column[at] == ' ') continue;
      if (ColumnByte(column[at]) != folded[matched]) break;
      ++matched;
    }
    if (matched == folded.size()) return true;
  }
  return false;
}

}  // namespace nanbaru
