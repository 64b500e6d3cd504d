// The two search modes and the choice of the postal data file.
#include "app/tform1.h"

namespace nanbaru {

void TForm1::SpeedButton1Click() {}
void TForm1::SpeedButton3Click() {}
void TForm1::SpeedButton4Click() {}
void TForm1::Image1DblClick() {}
void TForm1::Image2DblClick() {}
void TForm1::K1Click() {}
void TForm1::ChooseDataFile() {}

}  // namespace nanbaru
