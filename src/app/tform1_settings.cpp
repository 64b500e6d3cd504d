// Start-up, shut-down and the settings file.
#include "app/tform1.h"

namespace nanbaru {

void TForm1::FormCreate() {}
bool TForm1::FormClose() { return true; }
void TForm1::WriteSettingsFile() {}

}  // namespace nanbaru
