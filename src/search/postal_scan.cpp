#include "search/postal_scan.h"

#include "common/byte_searcher.h"
#include "common/number.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "search/office_record.h"
#include "search/postal_record.h"
#include "search/reading_fold.h"

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

// What sets the lists apart in a scan.
struct ListRules {
  ListEncoding encoding;
  // The national list ends a seven-digit search at its first line; in the office list
  // several offices share a code, so every one is listed.
  bool first_code_only;
  // The result line of a listed (Shift-JIS) line, and the prefecture it names.
  Bytes (*result_line)(std::string_view line, Bytes& prefecture);
  // The query's reading, folded; lines whose reading column holds it are listed as well.
  Bytes reading;
};

class PostalScan {
 public:
  // The key and the prefecture are taken here, once: what the user types while the scan
  // lets events run is for the next search.
  PostalScan(SearchHost& host, KeyKind kind, ListRules rules)
      : host_(host),
        rules_(std::move(rules)),
        seven_digit_(kind == KeyKind::kSevenDigit),
        utf8_(rules_.encoding == ListEncoding::kUtf8),
        pref_(host.PrefText()),
        key_in_list_(InList(host.Shared().SearchText, rules_.encoding)),
        pref_in_list_(InList(pref_, rules_.encoding)),
        searcher_(key_in_list_) {}

  int Run(TextReader& reader);

 private:
  // Tests one line just read; false when the scan ends with it.
  bool TestLine(std::string_view line);
  bool Matches(std::string_view line) const;
  void List(std::string_view line);

  SearchHost& host_;
  const ListRules rules_;
  const bool seven_digit_;
  const bool utf8_;
  const Bytes pref_;  // as the prefecture box held it when the scan began
  const Bytes key_in_list_;
  const Bytes pref_in_list_;
  const ByteSearcher searcher_;  // of the key, for the bulk passes and every line read alone
  int count_ = 0;
  bool prefecture_reached_ = false;
  Bytes last_prefecture_;  // of the most recently listed line
};

int PostalScan::Run(TextReader& reader) {
  const bool interleave = host_.EventsCanInterleave();
  const std::size_t budget = interleave ? kInterleavedBudget : kBulkBudget;
  for (;;) {
    std::string_view line;
    if (prefecture_reached_ || !rules_.reading.empty()) {
      // From here every line is tested for the prefecture, and with a reading every line may
      // be listed, so each is read on its own.
      if (reader.AtEnd()) break;
      line = reader.ReadLine();
      if (interleave) host_.ProcessEvents();
    } else {
      // Lines without the key change nothing, so they are passed over in bulk.
      const TextReader::Scan step = reader.SkipToLineContaining(searcher_, budget, line);
      if (interleave) host_.ProcessEvents();
      if (step == TextReader::Scan::kEnd) break;
      if (step == TextReader::Scan::kBudgetSpent) continue;
    }
    if (!TestLine(line)) break;
  }
  return count_;
}

bool PostalScan::TestLine(std::string_view line) {
  if (Matches(line)) {
    if (pref_.empty() || Contains(line, pref_in_list_)) List(line);
    if (seven_digit_ && rules_.first_code_only) return false;
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

// With a reading every line comes here: the reading column is the cheaper test.
bool PostalScan::Matches(std::string_view line) const {
  return (!rules_.reading.empty() && ReadingContains(OfficeReading(line), rules_.reading)) ||
         searcher_.FoundIn(line);
}

void PostalScan::List(std::string_view line) {
  Bytes sjis;
  if (utf8_) {
    if (!Utf8ToSjisChecked(line, sjis)) {
      throw AppError(Sj("UTF-8の郵便番号データに壊れた文字があります"));
    }
    line = sjis;
  }
  host_.AppendResult(rules_.result_line(line, last_prefecture_));
  ++count_;
  host_.SetCountLabel("  " + IntToStr(count_));
}

}  // namespace

int ScanPostalFile(SearchHost& host, TextReader& reader, KeyKind kind, ListEncoding encoding) {
  return PostalScan(host, kind, {encoding, true, PostalResultLine, Bytes()}).Run(reader);
}

int ScanOfficeFile(SearchHost& host, TextReader& reader, KeyKind kind, const Bytes& reading) {
  return PostalScan(host, kind, {ListEncoding::kShiftJis, false, OfficeResultLine, reading})
      .Run(reader);
}

}  // namespace nanbaru
