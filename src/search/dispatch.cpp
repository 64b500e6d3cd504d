#include "search/dispatch.h"

#include "search/area_search.h"
#include "search/postal_search.h"

namespace nanbaru {

void combopress(SearchHost& host, char key) {
  if (key != kEnterKey) return;
  if (host.QueryText().empty()) return;
  if (IsPhonePath(host.Shared().DataFileName)) {
    SpeedButton2Click(host);
    return;
  }
  // The postal search copies the code boxes again and builds its own key; this copy and key
  // remain only when that search declines because one is already running.
  const Bytes new_code = host.NewCodeText();
  if (!Trim(new_code).empty()) host.SetQueryText(new_code);
  const Bytes old_code = host.OldCodeText();
  if (!Trim(old_code).empty()) {
    host.SetNewCodeText(Bytes());
    host.SetQueryText(old_code);
  }
  host.Shared().SearchText = Trim(host.QueryText());
  SpeedButton5Click(host);
}

}  // namespace nanbaru
