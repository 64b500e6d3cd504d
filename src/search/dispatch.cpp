#include "search/dispatch.h"

#include "search/area_search.h"
#include "search/code_boxes.h"
#include "search/postal_search.h"

namespace nanbaru {

void HandleQueryKey(SearchHost& host, char key) {
  if (key != kEnterKey) return;
  if (host.QueryText().empty()) return;
  if (IsPhonePath(host.Shared().DataFileName)) {
    RunAreaSearch(host);
    return;
  }
  // The postal search copies the code boxes again and builds its own key; this copy and key
  // remain only when that search declines because one is already running.
  TakeCodeFromBoxes(host);
  host.Shared().SearchText = Trim(host.QueryText());
  RunPostalSearch(host);
}

}  // namespace nanbaru
