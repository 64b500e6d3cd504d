#include "search/postal_list.h"

#include "common/zip_member.h"
#include "platform/errors.h"

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

std::unique_ptr<TextReader> OpenListMember(std::unique_ptr<TextReader> file, const Bytes& path) {
  bool zipped = false;
  try {
    zipped = LooksLikeZip(file->Peek(4));
  } catch (const InOutError&) {
    // The scan's first read meets it again and reports it as any read error.
  }
  if (!zipped) return file;
  file->Close();
  return std::make_unique<TextReader>(OpenZipMember(path));
}

ListEncoding TakeListEncoding(TextReader& list) {
  const std::string_view head = list.Peek(kSample);
  if (head.starts_with(kByteOrderMark)) {
    list.Skip(kByteOrderMark.size());
    return ListEncoding::kUtf8;
  }
  return LooksLikeUtf8(head) ? ListEncoding::kUtf8 : ListEncoding::kShiftJis;
}

}  // namespace nanbaru
