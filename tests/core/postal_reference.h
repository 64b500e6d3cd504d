#pragma once
// The postal scan done the plain way: every line read on its own and tested in turn. The
// tests hold the search's bulk passing of lines against it.

#include <optional>
#include <vector>

#include "common/number.h"
#include "common/text_reader.h"
#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/sjis_codec.h"
#include "search/postal_record.h"
#include "search/search_key.h"

namespace nanbaru {

struct ReferenceOutcome {
  std::vector<Bytes> results;
  std::optional<Bytes> error;
};

// The result pane after a search of `query` with prefecture filter `pref` over `path`, or the
// lines listed before an error ended it.
inline ReferenceOutcome ReferenceSearch(const Bytes& path, const Bytes& query,
                                        const Bytes& pref_box) {
  const PostalKey key = BuildPostalKey(query);
  const Bytes pref = Trim(pref_box);
  ReferenceOutcome outcome;
  int count = 0;
  bool reached = false;
  Bytes last_pref;
  try {
    TextReader reader(OpenFileSource(path));
    while (!reader.AtEnd()) {
      const std::string_view line = reader.ReadLine();
      if (Contains(line, key.text)) {
        if (pref.empty() || Contains(line, pref)) {
          const PostalRecord record = ParsePostalLine(line);
          outcome.results.push_back(FormatPostalResult(record));
          ++count;
          last_pref = record.prefecture;
        }
        if (key.kind == KeyKind::kSevenDigit) break;
        if (!pref.empty() && Contains(last_pref, pref)) reached = true;
        if (count == 700) {
          outcome.results.push_back(Sj(" 検索数　過多 "));
          break;
        }
      }
      if (reached && !Contains(line, pref)) {
        outcome.results.push_back("  ");
        outcome.results.push_back("  " + pref + Sj("のみの検索をしました。"));
        break;
      }
    }
  } catch (const AppError& e) {
    outcome.error = e.message();
    return outcome;
  }
  outcome.results.push_back("  ");
  outcome.results.push_back(Sj("    検索終了 ") + IntToStr(count) + Sj("件です。"));
  if (count >= 700) outcome.results.push_back(Sj("      表示を止めます。検索条件を絞って下さい。"));
  return outcome;
}

}  // namespace nanbaru
