#include "search/postal_search.h"

#include "common/number.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "search/code_boxes.h"
#include "search/postal_list.h"
#include "search/postal_scan.h"
#include "search/query_normalise.h"
#include "search/reading_fold.h"
#include "search/search_key.h"

namespace nanbaru {

namespace {

// The data file, or null after telling the user to choose one.
std::unique_ptr<TextReader> OpenOrAskForFile(SearchHost& host) {
  const Bytes& path = host.Shared().DataFileName;
  if (!path.empty()) {
    try {
      return host.OpenDataFile(path);
    } catch (const InOutError&) {
      // Answered below with the guidance lines and the chooser.
    }
  }
  host.ClearResults();
  host.AppendResult(Sj("ファイルが見つかりません。読むファイルを設定します。"));
  host.AppendResult(Sj("    　　設定し終わったら　もう一度押し直して下さい。"));
  host.AppendResult(
      Sj("          Ｑ：のドライブのＰｃｉｎｇのｋｉｊｉのｙｕｕｂｉｎのken_all.csvなど。"));
  host.ChooseDataFile();
  return nullptr;
}

void AppendClosingLines(SearchHost& host, int count) {
  host.AppendResult("  ");
  host.AppendResult(Sj("    検索終了 ") + IntToStr(count) + Sj("件です。"));
  if (count >= kPostalResultLimit) {
    host.AppendResult(Sj("      表示を止めます。検索条件を絞って下さい。"));
  }
}

// Everything after the busy colour is claimed; the caller gives it back on an error.
void Search(SearchHost& host, ListKind kind) {
  TakeCodeFromBoxes(host);
  NormalisePostalQuery(host);
  host.SetCountLabel(host.QueryText());
  const PostalKey key = BuildPostalKey(host.QueryText());
  host.Shared().SearchText = key.text;
  host.SetPrefText(Trim(host.PrefText()));

  std::unique_ptr<TextReader> file = OpenOrAskForFile(host);
  if (!file) {
    host.SetQueryBusy(false);
    return;
  }
  // A damaged archive or the wrong list is reported before the result pane is touched, so
  // earlier results stand.
  const Bytes& path = host.Shared().DataFileName;
  const std::unique_ptr<TextReader> list = OpenListMember(std::move(file), path, kind);
  CheckListKind(*list, path, kind);
  host.ClearResults();
  host.SetStatusColour(StatusColour::kRed);
  host.SetStatus(Sj("　現在　検索中"));
  host.SetCountLabel(host.Shared().SearchText);

  const int count = kind == ListKind::kOffice
                        ? ScanOfficeFile(host, *list, key.kind, FoldReading(host.QueryText()))
                        : ScanPostalFile(host, *list, key.kind, TakeListEncoding(*list));

  AppendClosingLines(host, count);
  host.SetStatusColour(StatusColour::kBlack);
  host.SetStatus(Sj("検索件数　") + IntToStr(count));
  list->Close();
  host.AddHistory(host.QueryText());
  host.SetStatusColour(StatusColour::kBlack);
  host.SetStatus(Sj(" 検索を終わりました。"));
  host.ProcessEvents();
  host.SetQueryBusy(false);
}

void Run(SearchHost& host, ListKind kind) {
  if (host.QueryBusy()) return;
  if (host.QueryText().empty()) return;
  host.SetQueryBusy(true);
  try {
    Search(host, kind);
  } catch (...) {
    // The data file is closed by now; the next search must be able to start.
    host.SetQueryBusy(false);
    throw;
  }
}

}  // namespace

void RunPostalSearch(SearchHost& host) {
  Run(host, ListKind::kNational);
}

void RunOfficeSearch(SearchHost& host) {
  Run(host, ListKind::kOffice);
}

void RunListSearch(SearchHost& host) {
  Run(host, host.Shared().OfficeMode ? ListKind::kOffice : ListKind::kNational);
}

}  // namespace nanbaru
