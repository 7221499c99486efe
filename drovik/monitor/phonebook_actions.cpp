// The provider calibration and the phonebook buttons. They arrive with the calibration work.
#include "drovik/Unit1.h"

void TForm1::suiButton1Click() {}
