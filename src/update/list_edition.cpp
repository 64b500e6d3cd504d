#include "update/list_edition.h"

#include <cstdio>

#include "common/number.h"
#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/local_date.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "platform/zip_archive.h"
#include "update/list_text.h"

namespace nanbaru {

DatedList OpenDatedList(const Bytes& path) {
  std::unique_ptr<TextReader> file = OpenTextFile(path);
  if (!LooksLikeZip(file->Peek(4))) {
    return {std::move(file), ModifiedTime(path), false, 0};
  }
  file->Close();
  const std::unique_ptr<ZipArchive> archive = OpenZipArchive(path);
  const std::size_t index = ListMemberIndex(*archive);
  // The member's source keeps the archive open after the archive object has gone.
  const ZipMember& member = archive->Members()[index];
  return {std::make_unique<TextReader>(archive->OpenMember(index)), member.modified, true,
          static_cast<std::size_t>(member.size)};
}

ListEdition ReadListEdition(const Bytes& path) {
  const DatedList list = OpenDatedList(path);
  const CancelFlag never;
  const ListText text(*list.reader, never, list.size);
  list.reader->Close();
  return {list.date, list.dated_by_member, text.kind(), text.size(), text.first_bad_line()};
}

std::optional<ListEncoding> ReadListKind(const Bytes& path) {
  try {
    const DatedList list = OpenDatedList(path);
    const ListEncoding kind = TakeListEncoding(*list.reader);
    list.reader->Close();
    return kind;
  } catch (const AppError&) {
    return std::nullopt;
  }
}

std::optional<std::time_t> ReadEditionDate(const Bytes& path) {
  try {
    const DatedList list = OpenDatedList(path);
    list.reader->Close();
    return list.date;
  } catch (const AppError&) {
    return std::nullopt;
  }
}

std::string EditionDateText(std::time_t date) {
  const LocalDate local = LocalDateOf(date);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.year, local.month, local.day);
  return text;
}

bool IsStale(std::time_t date, std::time_t now) {
  return std::difftime(now, date) > kStaleDays * 24.0 * 60 * 60;
}

Bytes StaleListSentence(std::time_t date) {
  const LocalDate local = LocalDateOf(date);
  return Sj("郵便番号データが") + IntToStr(local.year) + Sj("年") + IntToStr(local.month) +
         Sj("月") + IntToStr(local.day) +
         Sj("日版と古いため、設定 → 郵便番号データの更新 で新しくして下さい。");
}

}  // namespace nanbaru
