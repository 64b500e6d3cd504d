#include "search/postal_scan.h"

#include "common/byte_searcher.h"
#include "common/number.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "search/postal_record.h"

namespace nanbaru {

namespace {

// Bytes passed over between two turns of the window's event processing: small enough to
// keep the window live, large enough that the turns cost nothing next to the scan.
constexpr std::size_t kInterleavedBudget = 64 * 1024;
// Without a window nothing can happen between lines, so the whole file is one step.
constexpr std::size_t kBulkBudget = std::size_t{1} << 40;

// A Shift-JIS text of the window as the list writes it.
Bytes InList(const Bytes& sjis, ListEncoding encoding) {
  return encoding == ListEncoding::kUtf8 ? SjisToUtf8(sjis) : sjis;
}

class PostalScan {
 public:
  // The key and the prefecture are taken here, once: what the user types while the scan
  // lets events run is for the next search.
  PostalScan(SearchHost& host, KeyKind kind, ListEncoding encoding)
      : host_(host),
        seven_digit_(kind == KeyKind::kSevenDigit),
        utf8_(encoding == ListEncoding::kUtf8),
        pref_(host.PrefText()),
        key_in_list_(InList(host.Shared().SearchText, encoding)),
        pref_in_list_(InList(pref_, encoding)) {}

  int Run(TextReader& reader);

 private:
  // Tests one line just read; false when the scan ends with it.
  bool TestLine(std::string_view line);
  void List(std::string_view line);

  SearchHost& host_;
  const bool seven_digit_;
  const bool utf8_;
  const Bytes pref_;  // as the prefecture box held it when the scan began
  const Bytes key_in_list_;
  const Bytes pref_in_list_;
  int count_ = 0;
  bool prefecture_reached_ = false;
  Bytes last_prefecture_;  // of the most recently listed line
};

int PostalScan::Run(TextReader& reader) {
  const bool interleave = host_.EventsCanInterleave();
  const std::size_t budget = interleave ? kInterleavedBudget : kBulkBudget;
  const ByteSearcher searcher(key_in_list_);
  for (;;) {
    std::string_view line;
    if (prefecture_reached_) {
      // From here every line is tested for the prefecture, so each is read on its own.
      if (reader.AtEnd()) break;
      line = reader.ReadLine();
      if (interleave) host_.ProcessEvents();
    } else {
      // Lines without the key change nothing, so they are passed over in bulk.
      const TextReader::Scan step = reader.SkipToLineContaining(searcher, budget, line);
      if (interleave) host_.ProcessEvents();
      if (step == TextReader::Scan::kEnd) break;
      if (step == TextReader::Scan::kBudgetSpent) continue;
    }
    if (!TestLine(line)) break;
  }
  return count_;
}

bool PostalScan::TestLine(std::string_view line) {
  if (Contains(line, key_in_list_)) {
    if (pref_.empty() || Contains(line, pref_in_list_)) List(line);
    if (seven_digit_) return false;
    if (!pref_.empty() && Contains(last_prefecture_, pref_)) prefecture_reached_ = true;
    if (count_ == kPostalResultLimit) {
      host_.AppendResult(Sj(" 検索数　過多 "));
      return false;
    }
  }
  // The list is grouped by prefecture: once its lines have been passed, nothing more can come.
  if (prefecture_reached_ && !Contains(line, pref_in_list_)) {
    host_.AppendResult("  ");
    host_.AppendResult("  " + pref_ + Sj("のみの検索をしました。"));
    return false;
  }
  return true;
}

void PostalScan::List(std::string_view line) {
  Bytes sjis;
  if (utf8_) {
    if (!Utf8ToSjisChecked(line, sjis)) {
      throw AppError(Sj("UTF-8の郵便番号データに壊れた文字があります"));
    }
    line = sjis;
  }
  PostalRecord record = ParsePostalLine(line);
  host_.AppendResult(FormatPostalResult(record));
  ++count_;
  host_.SetCountLabel("  " + IntToStr(count_));
  last_prefecture_ = std::move(record.prefecture);
}

}  // namespace

int ScanPostalFile(SearchHost& host, TextReader& reader, KeyKind kind, ListEncoding encoding) {
  return PostalScan(host, kind, encoding).Run(reader);
}

}  // namespace nanbaru
