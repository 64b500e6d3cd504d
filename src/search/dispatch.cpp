#include "search/dispatch.h"

#include "search/area_search.h"
#include "search/code_boxes.h"
#include "search/postal_search.h"

namespace nanbaru {

void HandleQueryKey(SearchHost& host, char key) {
  if (key != kEnterKey) return;
  if (host.QueryText().empty()) return;
  // A running search (the postal scan lets events in) is not interrupted: an Enter now would
  // replace its key and its results under it.
  if (host.QueryBusy()) return;
  if (IsPhonePath(host.Shared().DataFileName)) {
    RunAreaSearch(host);
    return;
  }
  // The postal search repeats this copy and then sets its own key.
  TakeCodeFromBoxes(host);
  host.Shared().SearchText = Trim(host.QueryText());
  RunListSearch(host);
}

}  // namespace nanbaru
