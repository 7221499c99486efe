// The network cards at start-up, on the tick and at exit.
#include "drovik/shell/timers.h"

#include <QCheckBox>

#include "drovik/Unit1.h"

void TForm1::adapter_startup()
{
    const bool off = datastore::is_set(settings().net_watch_off);
    set_status_text(0, off ? QStringLiteral("Слежение за сетью отключено") : QStringLiteral("Слежение за сетью включено"));
    set_running(Timer3, !off);
    suiCheckBox6->setChecked(off);
}

void TForm1::adapter_save_schedule() {}
void TForm1::save_exit_readings() {}
void TForm1::copy_card_save_params() {}
void TForm1::calibrate_cards() {}
