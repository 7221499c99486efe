// The options of the "Настройки программы" group that the shell owns.
#include <QCheckBox>
#include <QLabel>

#include "drovik/Unit1.h"

void TForm1::restore_option_boxes()
{
    // Setting a box from the stored value must not run its click handler: the handlers are
    // connected to `clicked`, which setChecked does not emit.
    const datastore::SettingsRecord &s = settings();
    suiCheckBox4->setChecked(datastore::is_set(s.close_to_tray));
    suiCheckBox5->setChecked(datastore::is_set(s.start_in_tray));
    suiCheckBox7->setChecked(datastore::is_set(s.modem_watch_off));
    suiCheckBox8->setChecked(datastore::is_set(s.provider_watch_off));
    suiCheckBox11->setChecked(datastore::is_set(s.foreign_call_guard));
    suiCheckBox10->setChecked(datastore::is_set(s.clock_hint));
    suiCheckBox9->setChecked(!datastore::is_set(s.live_calc));
    suiCheckBox3->setChecked(datastore::provider_flags(data_->providers, 1).show_month_bill != 0);
    CheckBox1->setChecked(datastore::is_set(s.warn_5min));
    dialup1->setChecked(datastore::is_set(s.dialup_lock));
    if (dialup1->isChecked())
        Image12->show();
}

void TForm1::suiCheckBox4Click()
{
    settings().close_to_tray = suiCheckBox4->isChecked() ? 1 : 0;
    Save_ini();
}

void TForm1::suiCheckBox5Click()
{
    settings().start_in_tray = suiCheckBox5->isChecked() ? 1 : 0;
    Save_ini();
}

void TForm1::suiCheckBox9Click()
{
    settings().live_calc = suiCheckBox9->isChecked() ? 0 : 1;
    suiCheckBox10->setChecked(settings().live_calc != 0);
}

void TForm1::suiCheckBox10Click()
{
    // Balloons need the live calculation; while it is off the box cannot be ticked.
    if (suiCheckBox9->isChecked()) {
        suiCheckBox10->setChecked(false);
        return;
    }
    settings().clock_hint = suiCheckBox10->isChecked() ? 1 : 0;
    clock_hint_active = suiCheckBox10->isChecked();
}
