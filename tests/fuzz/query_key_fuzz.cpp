// Query normalisation reads full-width forms as ASCII and passes every other byte; the postal
// key keeps every byte of its query but spaces, dashes and separators, parts terms, and reads a
// postal code written any of four ways as one code.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstring>
#include <string>

#include "core/fake_host.h"
#include "fuzz_check.h"
#include "platform/sjis_codec.h"
#include "search/query_normalise.h"
#include "search/search_key.h"

namespace nanbaru {
namespace {

// The full-width form of an ASCII text: each character lies 0xFEE0 above its own in Unicode.
Bytes Wide(std::string_view ascii) {
  std::u16string text;
  for (const char c : ascii) text += static_cast<char16_t>(0xFEE0 + c);
  return Utf16ToSjis(text);
}

// Each full-width digit read as a digit, and in a postal query the full-width hyphen and the
// long-vowel mark as "-".
Bytes Read(std::string_view text, bool postal) {
  static const Bytes kForms = Wide("0123456789-") + Sj("ー");
  Bytes read;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t form = at + 1 < text.size() ? kForms.find(text.substr(at, 2)) : Bytes::npos;
    const bool found = form % 2 == 0 && form < (postal ? 24u : 20u);  // not across two forms
    read += found ? "0123456789--"[form / 2] : text[at];
    at += found;
  }
  return read;
}

Bytes Normalised(const Bytes& query, bool postal) {
  FakeHost host;
  host.query = query;
  postal ? NormalisePostalQuery(host) : NormaliseAreaQuery(host);
  FUZZ_CHECK(host.calls.empty() == (host.query == query));  // else the caret would move
  return host.query;
}

// The text without what a key may add or drop: control bytes and spaces (the ideographic
// space's bytes anywhere), dashes, and the separator's quotes and commas.
Bytes Squeezed(Bytes text) {
  std::erase_if(text, [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || std::strchr("\x81@-,\"", c) != nullptr;
  });
  return text;
}

// A place-name key keeps its query but for what Squeezed drops, and never starts with three
// digits; a code key is ," and seven digits, or five or three closed by a quote (by KeyKind).
PostalKey CheckedKey(const Bytes& query) {
  static const std::array<Bytes, 4> kShapes = {"", ",\"0000000", ",\"00000\"", ",\"000\""};
  const PostalKey key = BuildPostalKey(query);
  Bytes shape = key.text;
  for (char& c : shape) c = c >= '0' && c <= '9' ? '0' : c;
  FUZZ_CHECK(key.kind == KeyKind::kPlaceName
                 ? !shape.starts_with("000") && Squeezed(key.text) == Squeezed(query)
                 : shape == kShapes[static_cast<int>(key.kind)] &&
                       Squeezed(query).starts_with(Squeezed(key.text)));
  FUZZ_CHECK(key.text.size() <= query.size() + 12);  // at most six spaces become separators
  return key;
}

}  // namespace
}  // namespace nanbaru

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const bool postal = input.ConsumeBool();
  const Bytes code = std::to_string(input.ConsumeIntegralInRange(10000000, 19999999)).substr(1);
  // Bytes 0 to 4 stand for full-width characters, so that forms and spaces are common.
  static const std::array<Bytes, 5> kPieces = {Sj("１"), Sj("０"), Sj("ー"), Sj("－"), Sj("　")};
  Bytes query;
  for (const char c : input.ConsumeRemainingBytesAsString())
    query += static_cast<unsigned char>(c) < kPieces.size() ? kPieces[c] : Bytes(1, c);

  // No more forms than passes (eight, or three in an area-code query): all read at once.
  const Bytes normalised = Normalised(query, postal);
  FUZZ_CHECK(Read(normalised, postal) == Read(query, postal));
  FUZZ_CHECK(query.size() - Read(query, postal).size() > (postal ? 8u : 3u) ||
             (normalised == Read(query, postal) && Normalised(normalised, postal) == normalised));
  CheckedKey(normalised);

  const Bytes dashed = code.substr(0, 3) + "-" + code.substr(3);
  for (const Bytes& spelling : {code, dashed, Wide(code), Wide(dashed)})
    FUZZ_CHECK(CheckedKey(Normalised(spelling, true)).text == ",\"" + code);

  // Terms parted by a space, with spaces around them, become the fields of the key.
  const Bytes terms = Squeezed(query);
  const std::size_t cut = terms.size() / 2;
  if (terms.find_first_not_of("0123456789") < 3 && cut > 0) {
    const Bytes spaced = " " + terms.substr(0, cut) + Sj("　") + terms.substr(cut) + " ";
    FUZZ_CHECK(CheckedKey(spaced).text == terms.substr(0, cut) + "\",\"" + terms.substr(cut));
  }
  return 0;
}
