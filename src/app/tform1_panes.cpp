// The result pane's click handlers.
#include "app/tform1.h"

namespace nanbaru {

void TForm1::memocli() {}
void TForm1::Memo1DblClick() {}

}  // namespace nanbaru
