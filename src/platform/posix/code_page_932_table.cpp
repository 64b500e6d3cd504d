// Code page 932 from tables compiled in, written from the C library's CP932 converter by
// scripts/make-code-page-932-table.py. Converting through a library gives the same table, but
// opening it at each start of the command cost half a millisecond (the C library's) to two
// (ICU's): a tenth to a third of a whole search of the national list.

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "common/sjis_bytes.h"
#include "platform/code_page_932.h"

namespace nanbaru {

namespace {

#include "platform/posix/code_page_932_table.inc"

constexpr unsigned kLowLeads = 0x9F - 0x81 + 1;  // Lead bytes 0x81-0x9F, then 0xE0-0xFC.
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kTrails = 0xFD - kFirstTrail;
constexpr char16_t kFirstKatakana = 0xFF61;  // Single bytes 0xA1-0xDF.
constexpr char16_t kLastKatakana = 0xFF9F;

std::size_t PairIndex(unsigned char lead, unsigned char trail) {
  const unsigned row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + kLowLeads;
  return row * kTrails + (trail - kFirstTrail);
}

void AppendPair(std::size_t index, Bytes& out) {
  const unsigned row = static_cast<unsigned>(index / kTrails);
  const unsigned lead = row < kLowLeads ? 0x81 + row : 0xE0 + row - kLowLeads;
  out += static_cast<char>(lead);
  out += static_cast<char>(kFirstTrail + index % kTrails);
}

}  // namespace

bool DecodeCodePage932(std::string_view well_formed, std::u16string& out) {
  bool exact = true;
  for (std::size_t at = 0; at < well_formed.size(); ++at) {
    const auto b = static_cast<unsigned char>(well_formed[at]);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (b >= 0xA1 && b <= 0xDF) {
      out += static_cast<char16_t>(kFirstKatakana + (b - 0xA1));
    } else if (SjisCharLength(well_formed, at) == 2) {
      const char16_t c =
          kPairCharacters[PairIndex(b, static_cast<unsigned char>(well_formed[++at]))];
      exact = exact && c != 0;
      out += c != 0 ? c : u'\uFFFD';
    } else {
      // Not reached through the shared rules, which replace such bytes themselves.
      exact = false;
      out += u'\uFFFD';
    }
  }
  return exact;
}

bool EncodeCodePage932(std::u16string_view text, Bytes& out) {
  bool exact = true;
  for (const char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if (c >= kFirstKatakana && c <= kLastKatakana) {
      out += static_cast<char>(0xA1 + (c - kFirstKatakana));
      continue;
    }
    const auto* found =
        std::lower_bound(std::begin(kFormPairs), std::end(kFormPairs), c,
                         [](std::uint16_t pair, char16_t u) { return kPairCharacters[pair] < u; });
    if (found != std::end(kFormPairs) && kPairCharacters[*found] == c) {
      AppendPair(*found, out);
    } else {
      out += '?';
      exact = false;
    }
  }
  return exact;
}

}  // namespace nanbaru
