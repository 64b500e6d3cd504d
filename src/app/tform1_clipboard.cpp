// Copying to the clipboard, the clipboard's text as the query, and saving the collection.
#include "app/tform1.h"

namespace nanbaru {

void TForm1::SpeedButton6Click() {}
void TForm1::SpeedButton7Click() {}
void TForm1::SpeedButton8Click() {}
void TForm1::SpeedButton9Click() {}
void TForm1::save1Click() {}

}  // namespace nanbaru
