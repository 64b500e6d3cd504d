#include "update/list_update.h"

#include <system_error>

#include "common/number.h"
#include "platform/errors.h"
#include "platform/file_source.h"
#include "platform/native_name.h"
#include "platform/output_file.h"
#include "platform/paths.h"
#include "platform/sjis_codec.h"
#include "platform/system_error.h"
#include "platform/zip_archive.h"
#include "update/list_addresses.h"
#include "update/list_fetch.h"

namespace nanbaru {

namespace {

using Step = UpdateProgress::Step;

// Refuses a file larger than any list's archive, as a download is refused.
std::string ReadWholeFile(const Bytes& path) {
  const std::unique_ptr<ByteSource> source = OpenFileSource(path);
  std::string bytes;
  char block[64 * 1024];
  while (const std::size_t got = source->Read(block, sizeof block)) {
    bytes.append(block, got);
    if (bytes.size() > kMaxListArchive) throw AppError(Sj("郵便番号データにしては大きすぎます"));
  }
  source->Close();
  return bytes;
}

// The new list as it arrived, and what its check found.
struct Candidate {
  std::string archive;
  std::optional<std::time_t> date;
  std::unique_ptr<ListText> text;
};

Candidate Check(std::string archive_bytes, const CancelFlag& cancel) {
  if (!LooksLikeZip(archive_bytes)) throw AppError(Sj("ZIPファイルではありません"));
  Candidate candidate{std::move(archive_bytes), std::nullopt, nullptr};
  const std::unique_ptr<ZipArchive> archive = OpenZipArchiveInMemory(candidate.archive);
  const std::size_t index = ListMemberIndex(*archive);
  const ZipMember& member = archive->Members()[index];
  candidate.date = member.modified;
  // Reading to the member's end checks its CRC.
  TextReader reader(archive->OpenMember(index));
  candidate.text =
      std::make_unique<ListText>(reader, cancel, static_cast<std::size_t>(member.size));
  reader.Close();
  const ListText& text = *candidate.text;
  if (text.first_bad_line() != 0) {
    throw AppError(Sj("新しい郵便番号データの") +
                   IntToStr(static_cast<std::int64_t>(text.first_bad_line())) +
                   Sj("行目が郵便番号データの形をしていません"));
  }
  if (text.size() < kMinListRecords) {
    throw AppError(Sj("新しい郵便番号データが") + IntToStr(static_cast<std::int64_t>(text.size())) +
                   Sj("件しかありません（全国版は") +
                   IntToStr(static_cast<std::int64_t>(kMinListRecords)) + Sj("件以上です）"));
  }
  return candidate;
}

Bytes DateText(const std::optional<std::time_t>& date) {
  return date ? Bytes(EditionDateText(*date)) : Sj("日付不明");
}

// What changed since the list in use; none when there is none or it cannot be read, which is
// what an update repairs. Throws AppError when its edition is newer, unless forced.
std::optional<ListChanges> CompareWithListInUse(const UpdateRequest& request,
                                                const Candidate& candidate,
                                                const CancelFlag& cancel) {
  if (request.list_in_use.empty()) return std::nullopt;
  DatedList in_use;
  try {
    in_use = OpenDatedList(request.list_in_use);
  } catch (const AppError&) {
    return std::nullopt;
  }
  if (!request.force && in_use.date && candidate.date && *candidate.date < *in_use.date) {
    throw AppError(Sj("新しい郵便番号データ（") + DateText(candidate.date) +
                   Sj("版）は使用中のもの（") + DateText(in_use.date) +
                   Sj("版）より古いため、置き換えません"));
  }
  try {
    ListChanges changes = CompareLists(*in_use.reader, *candidate.text, cancel);
    in_use.reader->Close();
    return changes;
  } catch (const AppError&) {
    return std::nullopt;
  }
}

Bytes FolderOf(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw InOutError(CodeFromSystemError(error));
  Bytes sjis;
  if (!ShiftJisName(folder.native(), sjis)) throw InOutError(io_code::kPathNotFound);
  return sjis;
}

void WriteFile(std::unique_ptr<OutputFile> file, std::string_view bytes) {
  file->Write(bytes);
  file->Close();
}

}  // namespace

std::vector<std::string> ListAddressesOf(ListEncoding kind) {
  const ListAddresses& addresses =
      kind == ListEncoding::kUtf8 ? kUtf8ListAddresses : kShiftJisListAddresses;
  return {addresses.begin(), addresses.end()};
}

Bytes UpdatedListPath(const Bytes& folder, ListEncoding kind) {
  return WithTrailingSeparator(folder) +
         (kind == ListEncoding::kUtf8 ? "utf_ken_all.zip" : "ken_all.zip");
}

Bytes LatestUpdatedList(const std::filesystem::path& folder) {
  Bytes sjis;
  if (!ShiftJisName(folder.native(), sjis)) return {};
  Bytes latest;
  std::time_t latest_time = 0;
  for (const ListEncoding kind : {ListEncoding::kShiftJis, ListEncoding::kUtf8}) {
    const Bytes path = UpdatedListPath(sjis, kind);
    const std::optional<std::time_t> written = ModifiedTime(path);
    if (written && (latest.empty() || *written > latest_time)) {
      latest = path;
      latest_time = *written;
    }
  }
  return latest;
}

UpdateResult UpdateList(const UpdateRequest& request, UpdateProgress& progress,
                        const CancelFlag& cancel) {
  std::string archive;
  if (request.from_file.empty()) {
    archive = FetchListArchive(request.addresses, request.download, progress, cancel);
  } else {
    progress.Begin(Step::kReading, SjisToUtf8(request.from_file));
    archive = ReadWholeFile(request.from_file);
  }
  cancel.ThrowIfCancelled();

  progress.Begin(Step::kChecking, {});
  const Candidate candidate = Check(std::move(archive), cancel);
  UpdateResult result;
  result.edition = {candidate.date, true, candidate.text->kind(), candidate.text->size(), 0};
  result.changes = CompareWithListInUse(request, candidate, cancel);
  cancel.ThrowIfCancelled();

  progress.Begin(Step::kWriting, {});
  const Bytes folder = FolderOf(request.folder);
  result.list = UpdatedListPath(folder, result.edition.kind);
  // The new list is written beside its place first; what it replaces is kept before it
  // takes that place.
  std::unique_ptr<OutputFile> staged = StageOutputFile(result.list);
  staged->Write(candidate.archive);
  if (ProbePath(result.list) == PathKind::kFile) {
    result.backup = result.list.substr(0, result.list.size() - 4) + ".previous.zip";
    WriteFile(StageOutputFile(result.backup), ReadWholeFile(result.list));
  }
  cancel.ThrowIfCancelled();
  staged->Close();
  return result;
}

}  // namespace nanbaru
