// The national list's edition: told in the About box and, when it is out of date, in the
// status line at start; brought up to date by 設定 → 郵便番号データの更新.
#include <ctime>

#include "app/tform1.h"
#include "app/update_dialog.h"
#include "common/number.h"
#include "platform/data_location.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "update/list_edition.h"

namespace nanbaru {

namespace {

Bytes EditionLine(const ListEdition& edition) {
  return (edition.date ? Bytes(EditionDateText(*edition.date)) : Sj("日付不明の")) + Sj("版（") +
         (edition.kind == ListEncoding::kUtf8 ? Sj("UTF-8版") : Sj("Shift-JIS版")) + Sj("、") +
         IntToStr(static_cast<std::int64_t>(edition.records)) + Sj("件）");
}

}  // namespace

Bytes TForm1::ListInUseText() {
  if (postal_file.empty()) return Sj("郵便番号データ：未設定");
  Bytes text = Sj("郵便番号データ：");
  try {
    text += EditionLine(ReadListEdition(postal_file));
  } catch (const AppError& e) {
    text += Sj("読めません（") + e.message() + Sj("）");
  }
  return text + "\n" + postal_file;
}

void TForm1::TellIfListIsStale() {
  const std::optional<std::time_t> date = ReadEditionDate(postal_file);
  if (date && IsStale(*date, std::time(nullptr))) SetStatus(StaleListSentence(*date));
}

void TForm1::UpdateListClick() {
  UpdateRequest request;
  request.list_in_use = postal_file;
  request.folder = UserDataFolder();
  request.addresses = list_addresses;
  if (request.addresses.empty()) {
    const std::optional<ListEncoding> kind = ReadListKind(postal_file);
    request.addresses = ListAddressesOf(kind.value_or(ListEncoding::kShiftJis));
  }
  const UpdateOutcome outcome = RunUpdateDialog(this, request);
  if (outcome.cancelled) {
    SetStatus(Sj("郵便番号データの更新を取り消しました。データはそのままです。"));
    return;
  }
  if (!outcome.result) {
    SetStatus(Sj("郵便番号データは更新されていません。"));
    throw AppError(outcome.error);
  }
  const UpdateResult& result = *outcome.result;
  postal_file = result.list;
  if (!IsPhonePath(shared.DataFileName)) shared.DataFileName = result.list;
  WriteSettingsFile();
  ClearResults();
  if (result.changes) {
    for (const Bytes& line : ChangeLines(*result.changes)) AppendResult(line);
  } else {
    AppendResult(Sj("  使用中だった郵便番号データを読めないため、変更点は示せません。"));
  }
  SetStatus(Sj("郵便番号データを") + EditionLine(result.edition) + Sj("にしました。"));
}

}  // namespace nanbaru
