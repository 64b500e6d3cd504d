#include "platform/sjis_codec.h"

#include <algorithm>
#include <iterator>

#include "common/sjis_bytes.h"
#include "common/utf.h"
#include "platform/code_page_932.h"

namespace nanbaru {

namespace {

// The platform converters differ where the bytes are not Shift-JIS and where Unicode has
// no exact Shift-JIS form; those cases are settled here, the same on every platform, and
// only the rest is left to the platform.

struct BestFit {
  char16_t unicode;
  const char* sjis;
};

// One-way mappings for text from other sources (U+2212 MINUS SIGN to the full-width minus,
// the wave dash to the full-width tilde, newer kanji forms to the ones Shift-JIS holds), so
// such text stays searchable. File names never use them. Sorted by code.
constexpr BestFit kBestFits[] = {
    {0x00A5, "\x5C"},     {0x00A6, "\xFA\x55"}, {0x2014, "\x81\x5C"}, {0x2016, "\x81\x61"},
    {0x203E, "\x7E"},     {0x2212, "\x81\x7C"}, {0x301C, "\x81\x60"}, {0x4FE0, "\x8B\xA0"},
    {0x525D, "\x94\x8D"}, {0x555E, "\x88\xA0"}, {0x5699, "\x8A\x9A"}, {0x56CA, "\x94\x58"},
    {0x5861, "\x93\x55"}, {0x5C5B, "\x9B\xA0"}, {0x5C62, "\x8E\xC6"}, {0x6414, "\x91\x7E"},
    {0x6451, "\x92\xCD"}, {0x6522, "\x9D\xB7"}, {0x6805, "\x8D\xF2"}, {0x688E, "\x9E\x94"},
    {0x6F51, "\x94\xAC"}, {0x7006, "\x93\xC0"}, {0x7130, "\x89\x8B"}, {0x7626, "\x91\x89"},
    {0x79B1, "\x93\x98"}, {0x7C1E, "\x92\x5C"}, {0x7E48, "\xE3\x79"}, {0x7E61, "\x8F\x4A"},
    {0x7E6B, "\x8C\x71"}, {0x8141, "\xE4\x45"}, {0x8346, "\x8C\x74"}, {0x840A, "\x97\x89"},
    {0x8523, "\x8F\xD3"}, {0x87EC, "\x90\xE4"}, {0x881F, "\x98\x58"}, {0x8EC0, "\x8B\xEB"},
    {0x91AC, "\x8F\xDD"}, {0x91B1, "\x94\xAE"}, {0x9830, "\x96\x6A"}, {0x9839, "\xE8\xF6"},
    {0x985A, "\x93\x5E"}, {0x9A52, "\x91\xCB"}, {0x9DD7, "\x89\xA8"}, {0x9E7C, "\x8C\xB2"},
    {0x9EB4, "\x8D\x8D"}, {0x9EB5, "\x96\xCB"},
};

const char* BestFitFor(char16_t c) {
  if (c < kBestFits[0].unicode) return nullptr;
  const auto found =
      std::lower_bound(std::begin(kBestFits), std::end(kBestFits), c,
                       [](const BestFit& fit, char16_t u) { return fit.unicode < u; });
  return found != std::end(kBestFits) && found->unicode == c ? found->sjis : nullptr;
}

bool IsSurrogate(char16_t c) {
  return c >= 0xD800 && c < 0xE000;
}

// Characters one platform maps and another does not: U+0080 and U+F8F0-U+F8F3 would give
// the bytes that read back as U+FFFD, and U+F86F a second form of №. None has a form.
bool HasNoForm(char16_t c) {
  return c == 0x0080 || c == 0xF86F || (c >= 0xF8F0 && c <= 0xF8F3);
}

// Bytes that begin no character: a lead byte without its trail byte, and 0x80, 0xA0 and
// 0xFD-0xFF, which some tables map to private or control characters. Each becomes U+FFFD.
bool StartsCharacter(std::string_view sjis, std::size_t at) {
  const auto b = static_cast<unsigned char>(sjis[at]);
  if (b == 0x80 || b == 0xA0 || b >= 0xFD) return false;
  return !IsSjisLeadByte(sjis[at]) || SjisCharLength(sjis, at) == 2;
}

// Returns false at the first replacement when `exact`.
bool ToUtf16(std::string_view sjis, bool exact, std::u16string& out) {
  out.clear();
  out.reserve(sjis.size());
  std::size_t run = 0;  // Start of the well-formed run not yet converted.
  std::size_t at = 0;
  while (at < sjis.size()) {
    if (StartsCharacter(sjis, at)) {
      at += SjisCharLength(sjis, at);
      continue;
    }
    if (exact) return false;
    DecodeCodePage932(sjis.substr(run, at - run), out);
    out += u'\uFFFD';
    run = ++at;
  }
  return DecodeCodePage932(sjis.substr(run), out) || !exact;
}

// Surrogates (a pair gives one mark), characters without a form and, unless `best_fit`,
// characters with only a best fit become "?"; so do characters the platform cannot map. Returns
// false at the first "?" when not `best_fit`.
bool FromUtf16(std::u16string_view text, bool best_fit, Bytes& out) {
  out.clear();
  out.reserve(text.size() * 2);
  std::size_t run = 0;
  for (std::size_t at = 0; at < text.size();) {
    const char16_t c = text[at];
    if (c < 0x80) {
      ++at;
      continue;
    }
    const char* fit = BestFitFor(c);
    if (!IsSurrogate(c) && !HasNoForm(c) && fit == nullptr) {
      ++at;
      continue;
    }
    if (!best_fit) return false;
    EncodeCodePage932(text.substr(run, at - run), out);
    if (fit != nullptr) {
      out += fit;
      ++at;
    } else {
      out += '?';
      const bool pair = c >= 0xD800 && c < 0xDC00 && at + 1 < text.size() &&
                        text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000;
      at += pair ? 2 : 1;
    }
    run = at;
  }
  return EncodeCodePage932(text.substr(run), out) || best_fit;
}

}  // namespace

std::u16string SjisToUtf16(std::string_view sjis) {
  std::u16string out;
  ToUtf16(sjis, false, out);
  return out;
}

Bytes Utf16ToSjis(std::u16string_view text) {
  Bytes out;
  FromUtf16(text, true, out);
  return out;
}

std::string SjisToUtf8(std::string_view sjis) {
  return Utf16ToUtf8(SjisToUtf16(sjis));
}

// A byte gives at most one UTF-16 unit, so a piece of at most `piece_units` bytes cut at a
// character's end stays within its units.
void SjisToUtf8Pieces(std::string_view sjis, const std::function<void(std::string_view)>& sink,
                      std::size_t piece_units) {
  std::u16string units;
  for (std::size_t start = 0; start < sjis.size();) {
    // At least one character, however small the piece.
    const std::size_t end = start + std::max(WholeCharactersWithin(sjis.substr(start), piece_units),
                                             SjisCharLength(sjis, start));
    ToUtf16(sjis.substr(start, end - start), false, units);
    if (!units.empty()) sink(Utf16ToUtf8(units));
    start = end;
  }
}

Bytes Utf8ToSjis(std::string_view utf8) {
  std::u16string text;
  Utf8ToUtf16(utf8, false, text);
  return Utf16ToSjis(text);
}

bool Utf8ToSjisChecked(std::string_view utf8, Bytes& out) {
  std::u16string text;
  if (!Utf8ToUtf16(utf8, true, text)) return false;
  FromUtf16(text, true, out);
  return true;
}

bool SjisToUtf8Exact(std::string_view sjis, std::string& out) {
  std::u16string text;
  if (!ToUtf16(sjis, true, text)) return false;
  out = Utf16ToUtf8(text);
  return true;
}

std::size_t CountUnheld(std::u16string_view text) {
  std::size_t unheld = 0;
  Bytes bytes;
  for (std::size_t at = 0; at < text.size();) {
    const bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size() &&
                      text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000;
    const std::u16string_view one = text.substr(at, pair ? 2 : 1);
    at += one.size();
    if (one[0] < 0x80) continue;
    FromUtf16(one, true, bytes);
    if (bytes.empty() || bytes == "?") ++unheld;
  }
  return unheld;
}

bool Utf8ToSjisExact(std::string_view utf8, Bytes& out) {
  std::u16string text;
  return Utf8ToUtf16(utf8, true, text) && FromUtf16(text, false, out);
}

bool SjisToUtf16Exact(std::string_view sjis, std::u16string& out) {
  return ToUtf16(sjis, true, out);
}

bool Utf16ToSjisExact(std::u16string_view text, Bytes& out) {
  return FromUtf16(text, false, out);
}

}  // namespace nanbaru
