// The modem labels, the new-machine check and the system switches at start-up.
#include "drovik/Unit1.h"

void TForm1::machine_setup() {}
