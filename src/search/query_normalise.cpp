#include "search/query_normalise.h"

#include <array>
#include <utility>

#include "common/bytes.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

using Pair = std::pair<Bytes, Bytes>;

// The full-width digits "０" to "９" with their ASCII forms, then, for the postal search only,
// the full-width hyphen and the long-vowel mark, both read as "-".
const std::array<Pair, 12>& Pairs() {
  static const std::array<Pair, 12> pairs = {
      Pair{Sj("０"), "0"}, Pair{Sj("１"), "1"}, Pair{Sj("２"), "2"}, Pair{Sj("３"), "3"},
      Pair{Sj("４"), "4"}, Pair{Sj("５"), "5"}, Pair{Sj("６"), "6"}, Pair{Sj("７"), "7"},
      Pair{Sj("８"), "8"}, Pair{Sj("９"), "9"}, Pair{Sj("－"), "-"}, Pair{Sj("ー"), "-"},
  };
  return pairs;
}

void Normalise(SearchHost& host, int passes, std::size_t pairs_per_pass) {
  for (int pass = 0; pass < passes; ++pass) {
    for (std::size_t i = 0; i < pairs_per_pass; ++i) {
      ReplaceFirstInQuery(host, Pairs()[i].first, Pairs()[i].second);
    }
  }
}

}  // namespace

void ReplaceFirstInQuery(SearchHost& host, std::string_view from, std::string_view to) {
  Bytes text = host.QueryText();
  const int position = Pos(from, text);
  if (position == 0) return;
  // Every caller replaces one double-byte character.
  Delete(text, position, 2);
  Insert(to, text, position);
  host.SetQueryText(text);
}

void NormalisePostalQuery(SearchHost& host) {
  Normalise(host, 8, 12);
}

void NormaliseAreaQuery(SearchHost& host) {
  Normalise(host, 3, 10);
}

}  // namespace nanbaru
