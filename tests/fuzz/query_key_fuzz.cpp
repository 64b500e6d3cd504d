// Query normalisation and the postal key against the rules done with plain string calls.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "core/fake_host.h"
#include "fuzz_check.h"
#include "platform/sjis_codec.h"
#include "search/query_normalise.h"
#include "search/search_key.h"

namespace {

using nanbaru::Bytes;
using nanbaru::Sj;

// Each pass replaces the first of each full-width form, in the order of the table.
Bytes ModelNormalise(Bytes text, int passes, std::size_t pairs) {
  static const std::array<std::pair<Bytes, Bytes>, 12> kPairs = {{
      {Sj("０"), "0"},
      {Sj("１"), "1"},
      {Sj("２"), "2"},
      {Sj("３"), "3"},
      {Sj("４"), "4"},
      {Sj("５"), "5"},
      {Sj("６"), "6"},
      {Sj("７"), "7"},
      {Sj("８"), "8"},
      {Sj("９"), "9"},
      {Sj("－"), "-"},
      {Sj("ー"), "-"},
  }};
  for (int pass = 0; pass < passes; ++pass) {
    for (std::size_t i = 0; i < pairs; ++i) {
      const std::size_t at = text.find(kPairs[i].first);
      if (at != Bytes::npos) text.replace(at, 2, kPairs[i].second);
    }
  }
  return text;
}

bool Digits(std::string_view text, std::size_t count) {
  return text.size() >= count &&
         text.substr(0, count).find_first_not_of("0123456789") == std::string_view::npos;
}

nanbaru::PostalKey ModelKey(std::string_view query) {
  Bytes key(query);
  if (const std::size_t dash = key.find('-'); dash != Bytes::npos) key.erase(dash, 1);
  std::string_view trimmed = query;
  while (!trimmed.empty() && static_cast<unsigned char>(trimmed.front()) <= 0x20) {
    trimmed.remove_prefix(1);
  }
  while (!trimmed.empty() && static_cast<unsigned char>(trimmed.back()) <= 0x20) {
    trimmed.remove_suffix(1);
  }
  Bytes terms(trimmed);
  for (const Bytes& space : {Sj("　"), Bytes(" ")}) {
    for (int i = 0; i < 3; ++i) {
      const std::size_t at = terms.find(space);
      if (at == Bytes::npos) continue;
      terms.replace(at, space.size(), "\",\"");
      key = terms;
    }
  }
  using nanbaru::KeyKind;
  if (Digits(key, 7)) return {",\"" + key.substr(0, 7), KeyKind::kSevenDigit};
  if (Digits(key, 5)) return {",\"" + key.substr(0, 5) + "\"", KeyKind::kFiveDigit};
  if (Digits(key, 3)) return {",\"" + key.substr(0, 3) + "\"", KeyKind::kThreeDigit};
  return {key, KeyKind::kPlaceName};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const bool postal = input.ConsumeBool();
  // Mostly full-width digits, dashes and spaces, so replacements and joins are common.
  static const std::array<Bytes, 6> kPieces = {Sj("１"), Sj("ー"), Sj("－"), Sj("　"), " ", "7"};
  Bytes query;
  while (input.remaining_bytes() > 0 && query.size() < 64) {
    const std::uint8_t choice = input.ConsumeIntegral<std::uint8_t>();
    query += choice < 128 ? kPieces[choice % kPieces.size()]
                          : Bytes(1, static_cast<char>(input.ConsumeIntegral<std::uint8_t>()));
  }

  FakeHost host;
  host.query = query;
  if (postal) {
    NormalisePostalQuery(host);
  } else {
    NormaliseAreaQuery(host);
  }
  const Bytes normalised = ModelNormalise(query, postal ? 8 : 3, postal ? 12 : 10);
  FUZZ_CHECK(host.query == normalised);

  const PostalKey key = BuildPostalKey(normalised);
  const PostalKey expected = ModelKey(normalised);
  FUZZ_CHECK(key.text == expected.text && key.kind == expected.kind);
  return 0;
}
