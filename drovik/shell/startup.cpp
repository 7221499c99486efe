// Start-up and shutdown of the main window.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include "drovik/shell/timers.h"

#include "drovik/Unit1.h"
#include "drovik/shell/product.h"

void TForm1::FormCreate()
{
    PageControl1->setCurrentWidget(suiTabSheet1);

    reset_session_state();
    card_saved = {false, false};

    setWindowTitle(product_caption());
    QApplication::setApplicationDisplayName(product_caption());
    svc_.tray.set_hint(product_caption());
    Label66->setText(product_caption());
    Label67->setText(product_caption());

    load_dat();

    if (settings().start_in_tray == 1) {
        start_hidden_ = true;
        svc_.tray.set_visible(!svc_.tray.visible());
    }

    adapter_startup();
    show_modem_watch_state();
    restore_option_boxes();

    clock_hint_active = datastore::is_set(settings().clock_hint);
    set_running(Timer2, settings().provider_watch_off == 0);
    schedule_tick();

    machine_setup();
}

void TForm1::show_modem_watch_state()
{
    const bool off = datastore::is_set(settings().modem_watch_off);
    set_status_text(1, off ? QStringLiteral("Слежение за модемом отключено") : QStringLiteral("Слежение за модемом включено"));
    Image5->setVisible(off);
}

void TForm1::FormShow()
{
    check_prov();
    if (!online) {
        if (current_provider == 0)
            current_provider = 1;
        show_current_provider();
    }
}

void TForm1::FormDestroy()
{
    Timer1->stop();
    save_exit_readings();
    if (online)
        Workwithoutinet();
    write_all_records();
}
