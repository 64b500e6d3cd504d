#include "search/postal_list.h"

#include <utility>

#include "common/zip_member.h"

namespace nanbaru {

namespace {

// Enough lines of the list to tell its encoding; the reader's first block holds them anyway.
constexpr std::size_t kSample = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence a byte starts, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

bool LooksLikeUtf8(std::string_view head) {
  std::size_t good = 0;
  std::size_t bad = 0;
  for (std::size_t i = 0; i < head.size();) {
    const auto lead = static_cast<unsigned char>(head[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(lead);
    if (i + length > head.size()) break;  // cut off by the end of the sample
    std::size_t k = 1;
    while (k < length && (static_cast<unsigned char>(head[i + k]) & 0xC0) == 0x80) ++k;
    if (length != 0 && k == length) {
      ++good;
      i += length;
    } else {
      ++bad;
      ++i;
    }
  }
  return good > bad;
}

PostalList RecognisePostalList(std::unique_ptr<TextReader> file, const Bytes& path) {
  if (LooksLikeZip(file->Peek(4))) {
    file->Close();
    file = std::make_unique<TextReader>(OpenZipMember(path));
  }
  const std::string_view head = file->Peek(kSample);
  if (head.starts_with(kByteOrderMark)) {
    file->Skip(kByteOrderMark.size());
    return {std::move(file), ListEncoding::kUtf8};
  }
  const ListEncoding encoding = LooksLikeUtf8(head) ? ListEncoding::kUtf8 : ListEncoding::kShiftJis;
  return {std::move(file), encoding};
}

}  // namespace nanbaru
