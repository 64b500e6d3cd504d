#include "search/postal_list.h"

#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"

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

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsListName(std::string_view lower_name) {
  const std::size_t slash = lower_name.rfind('/');
  const std::string_view base =
      slash == std::string_view::npos ? lower_name : lower_name.substr(slash + 1);
  return base == "ken_all.csv" || base == "utf_ken_all.csv";
}

// The member named KEN_ALL.CSV or utf_ken_all.csv in any case and any folder, else the only
// .csv member.
std::size_t ListMember(const std::vector<ZipMember>& members) {
  std::vector<std::size_t> csv;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const std::string lower = AsciiLower(members[i].name);
    if (IsListName(lower)) return i;
    if (lower.ends_with(".csv")) csv.push_back(i);
  }
  if (csv.empty()) throw AppError(Sj("ZIPファイルに郵便番号データ（CSVファイル）がありません"));
  if (csv.size() > 1) {
    throw AppError(Sj("ZIPファイルにCSVファイルが複数あり、どれが郵便番号データか分かりません"));
  }
  return csv.front();
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
  const std::unique_ptr<ZipArchive> archive = OpenZipArchive(path);
  return std::make_unique<TextReader>(archive->OpenMember(ListMemberIndex(*archive)));
}

std::size_t ListMemberIndex(const ZipArchive& archive) {
  const std::size_t index = ListMember(archive.Members());
  if (archive.Members()[index].encrypted) {
    throw AppError(Sj("ZIPファイルの郵便番号データが暗号化されていて読めません"));
  }
  return index;
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
