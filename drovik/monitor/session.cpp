// The dial-up session as the monitor watches it. The steps arrive with the connection monitor;
// until then a session is seen but not priced or logged.
#include "drovik/Unit1.h"

void TForm1::session_start_steps() {}
void TForm1::WorkInet() {}
void TForm1::session_end_steps() { online = false; }
void TForm1::Workwithoutinet() {}
void TForm1::check_prov() {}
void TForm1::show_current_provider() {}
void TForm1::Inet_disconnect() {}
void TForm1::suiButton1Click() {}
