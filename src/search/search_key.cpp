#include "search/search_key.h"

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

// Replaces the first `space` of `terms` by the field separator, up to three times; each
// replacement also makes the terms the key.
void JoinTerms(Bytes& terms, std::string_view space, Bytes& key) {
  for (int i = 0; i < 3; ++i) {
    const int position = Pos(space, terms);
    if (position == 0) continue;
    Delete(terms, position, static_cast<int>(space.size()));
    Insert(kFieldSeparator, terms, position);
    key = terms;
  }
}

bool LeadingDigits(std::string_view key, std::size_t count) {
  if (key.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (key[i] < '0' || key[i] > '9') return false;
  }
  return true;
}

}  // namespace

PostalKey BuildPostalKey(std::string_view query) {
  // Without spaces in the query, its first "-" is dropped, so 322-0061 reads as 3220061.
  Bytes key(query);
  Delete(key, Pos("-", key), 1);

  Bytes terms = Trim(query);
  static const Bytes kIdeographicSpace = Sj("　");
  JoinTerms(terms, kIdeographicSpace, key);
  JoinTerms(terms, " ", key);

  if (LeadingDigits(key, 7)) return {",\"" + key.substr(0, 7), KeyKind::kSevenDigit};
  if (LeadingDigits(key, 5)) return {",\"" + key.substr(0, 5) + "\"", KeyKind::kFiveDigit};
  if (LeadingDigits(key, 3)) return {",\"" + key.substr(0, 3) + "\"", KeyKind::kThreeDigit};
  return {key, KeyKind::kPlaceName};
}

}  // namespace nanbaru
