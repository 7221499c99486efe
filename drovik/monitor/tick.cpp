// The monitor tick: the clock in the status bar, the card save schedule and the dial-up session.
#include <QLabel>
#include <QTimer>

#include "datastore/formats.h"
#include "drovik/Unit1.h"

namespace {

// Marks a tick as running for its whole length, however it is left.
class TickScope {
public:
    explicit TickScope(bool &flag) : flag_(flag) { flag_ = true; }
    ~TickScope() { flag_ = false; }
    TickScope(const TickScope &) = delete;
    TickScope &operator=(const TickScope &) = delete;

private:
    bool &flag_;
};

// The tick runs once a second, just after the wall clock's second begins: the balloons and the
// five-minute warning wait for the first 100 ms of a second, the daily card save and the status
// bar clock for the second itself, and the mail check for each whole second of a session.
// Faster ticks would see nothing new and keep an idle program awake.
constexpr int kTickOffsetMs = 20;

} // namespace

void TForm1::Timer1Timer()
{
    // A tick that starts while an earlier one waits in a message box, a wait or a mail check
    // does nothing: a session must end, and a warning be shown, only once.
    if (in_tick_)
        return;
    const TickScope scope(in_tick_);

    if (!svc_.tray.visible() && !isVisible())
        svc_.tray.set_visible(true);

    set_status_text(2, QStringLiteral("Текущая дата и время: ") +
                           datastore::Formats::russian().date_time_text(svc_.clock.now()));

    if (settings().net_watch_off == 0)
        adapter_save_schedule();

    if (count_connections() == 1) {
        if (!online)
            session_start_steps();
        WorkInet();
        online = true;
        suiTabSheet1->update();
    } else if (online) {
        session_end_steps();
    }
}

void TForm1::schedule_tick()
{
    const int msec = datastore::decode_time(svc_.clock.now()).msec;
    Timer1->start(1000 - msec + kTickOffsetMs);
}

int TForm1::count_connections()
{
    if (settings().modem_watch_off == 1)
        return 0;
    return static_cast<int>(svc_.dialup.active_connections().size());
}
