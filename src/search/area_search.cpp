#include "search/area_search.h"

#include <cstddef>
#include <cstdint>
#include <limits>

#include "common/byte_searcher.h"
#include "common/number.h"
#include "platform/sjis_codec.h"
#include "search/query_normalise.h"

namespace nanbaru {
namespace {

// Only this many matching lines are shown; the file is still read to its end.
constexpr std::int32_t kShownLimit = 200;

// Nothing else runs during an area-code scan, so it never needs to stop between lines.
constexpr std::size_t kNoBudget = std::numeric_limits<std::size_t>::max();

// Gives the idle colour back however the search ends, so the next search can start.
class BusyScope {
 public:
  explicit BusyScope(SearchHost& host) : host_(host) { host_.SetQueryBusy(true); }
  ~BusyScope() { host_.SetQueryBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  SearchHost& host_;
};

// Reads the rest of the file at block speed. No line holds 0x1A, which ends the file, so a
// search for it passes over every remaining line and stops only at the end.
void ReadToEnd(TextReader& reader) {
  static const ByteSearcher kEndOfFile(std::string_view("\x1A", 1));
  std::string_view line;
  while (reader.SkipToLineContaining(kEndOfFile, kNoBudget, line) != TextReader::Scan::kEnd) {
  }
}

// Shows the first matching lines with a running count and returns how many were shown.
// Returns with the reader at the end of the file: the lines past the cap are read as well,
// so a read error anywhere in the file still ends the search.
std::int32_t ShowMatches(SearchHost& host, TextReader& reader, const Bytes& key) {
  const ByteSearcher searcher(key);
  std::int32_t count = 0;
  std::string_view line;
  for (;;) {
    const TextReader::Scan scan = reader.SkipToLineContaining(searcher, kNoBudget, line);
    if (scan == TextReader::Scan::kEnd) return count;
    if (scan != TextReader::Scan::kFound) continue;
    host.AppendResult(Bytes("   ").append(line));
    ++count;
    host.SetCountLabel("  " + IntToStr(count));
    if (count == kShownLimit) break;
  }
  ReadToEnd(reader);
  return count;
}

}  // namespace

void RunAreaSearch(SearchHost& host) {
  if (host.QueryText().empty()) return;
  if (host.QueryBusy()) return;
  const BusyScope busy(host);

  NormaliseAreaQuery(host);
  SharedState& shared = host.Shared();
  shared.SearchText = host.QueryText();
  host.EnterStartDir();
  host.SetLastAreaFile(shared.DataFileName);
  const std::unique_ptr<TextReader> reader = host.OpenDataFile(shared.DataFileName);
  host.ClearResults();

  const std::int32_t count = ShowMatches(host, *reader, shared.SearchText);
  host.AppendResult("    " + IntToStr(count) + Sj("件です。"));
  host.SetStatus(Sj("検索件数　") + IntToStr(count));
  reader->Close();
  host.AddHistory(host.QueryText());
}

}  // namespace nanbaru
