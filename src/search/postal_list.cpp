#include "search/postal_list.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"
#include "search/list_fields.h"
#include "search/office_record.h"

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

// What each kind of list is called in the messages, and the names of its member.
struct KindNames {
  const char* data;  // UTF-8
  std::vector<std::string_view> members;
};

const KindNames& NamesOf(ListKind kind) {
  static const KindNames kNational{"郵便番号データ", {"ken_all.csv", "utf_ken_all.csv"}};
  static const KindNames kOffice{"事業所の郵便番号データ", {"jigyosyo.csv"}};
  return kind == ListKind::kOffice ? kOffice : kNational;
}

bool IsListName(std::string_view lower_name, const KindNames& names) {
  const std::size_t slash = lower_name.rfind('/');
  const std::string_view base =
      slash == std::string_view::npos ? lower_name : lower_name.substr(slash + 1);
  return std::find(names.members.begin(), names.members.end(), base) != names.members.end();
}

// The member the kind names, in any case and any folder, else the only .csv member.
std::size_t ListMember(const std::vector<ZipMember>& members, const KindNames& names) {
  std::vector<std::size_t> csv;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const std::string lower = AsciiLower(members[i].name);
    if (IsListName(lower, names)) return i;
    if (lower.ends_with(".csv")) csv.push_back(i);
  }
  if (csv.empty())
    throw AppError(Sj("ZIPファイルに") + Sj(names.data) + Sj("（CSVファイル）がありません"));
  if (csv.size() > 1) {
    throw AppError(Sj("ZIPファイルにCSVファイルが複数あり、どれが") + Sj(names.data) +
                   Sj("か分かりません"));
  }
  return csv.front();
}

// The first line of the list's first bytes, past a UTF-8 byte-order mark.
std::string_view FirstRecord(std::string_view head) {
  if (head.starts_with(kByteOrderMark)) head.remove_prefix(kByteOrderMark.size());
  return head.substr(0, head.find('\r'));
}

// A record of the national list in either edition: 15 fields, the new code in field 3.
bool IsNationalRecord(std::string_view line) {
  const std::vector<ListField> fields = SplitListLine(line);
  return fields.size() == 15 && IsSevenDigitCode(fields[2]);
}

// The office list is published in Shift-JIS only; its first record decides.
bool IsOfficeList(std::string_view head) {
  const std::string_view first = FirstRecord(head);
  return ParseOfficeLine(first).has_value() && !LooksLikeUtf8(first);
}

// The list at `path` is not what the search needs: `why` (UTF-8) follows its name.
[[noreturn]] void Refuse(const Bytes& path, const char* why) {
  throw AppError(Sj("「") + path + Sj(why));
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

std::unique_ptr<TextReader> OpenListMember(std::unique_ptr<TextReader> file, const Bytes& path,
                                           ListKind kind) {
  bool zipped = false;
  try {
    zipped = LooksLikeZip(file->Peek(4));
  } catch (const InOutError&) {
    // The scan's first read meets it again and reports it as any read error.
  }
  if (!zipped) return file;
  file->Close();
  const std::unique_ptr<ZipArchive> archive = OpenZipArchive(path);
  return std::make_unique<TextReader>(archive->OpenMember(ListMemberIndex(*archive, kind)));
}

std::size_t ListMemberIndex(const ZipArchive& archive, ListKind kind) {
  const KindNames& names = NamesOf(kind);
  const std::size_t index = ListMember(archive.Members(), names);
  if (archive.Members()[index].encrypted) {
    throw AppError(Sj("ZIPファイルの") + Sj(names.data) + Sj("が暗号化されていて読めません"));
  }
  return index;
}

void CheckListKind(TextReader& list, const Bytes& path, ListKind kind) {
  std::string_view head;
  try {
    head = list.Peek(kSample);
  } catch (const InOutError&) {
    return;
  }
  const bool office = IsOfficeList(head);
  if (kind == ListKind::kNational) {
    if (office) {
      Refuse(path,
             "」は事業所の郵便番号データです。郵便番号の検索には全国の郵便番号データ"
             "（ken_all.zip など）を選び、事業所は事業所の郵便番号検索で探して下さい");
    }
    return;
  }
  if (office) return;
  if (IsNationalRecord(FirstRecord(head))) {
    Refuse(path,
           "」は全国の郵便番号データです。事業所の郵便番号検索には事業所の郵便番号データ"
           "（jigyosyo.zip など）を選び、地名や町域は郵便番号の検索で探して下さい");
  }
  Refuse(path, "」は事業所の郵便番号データ（jigyosyo.zip など）の形をしていません");
}

bool HoldsOfficeList(SearchHost& host, const Bytes& path) {
  try {
    const std::unique_ptr<TextReader> list =
        OpenListMember(host.OpenDataFile(path), path, ListKind::kOffice);
    const bool office = IsOfficeList(list->Peek(kSample));
    list->Close();
    return office;
  } catch (const AppError&) {
    return false;
  }
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
