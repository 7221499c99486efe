// What the monitor asks of the mail page. The mail check itself arrives with the mail work.
#include <QTimer>

#include "drovik/Unit1.h"
#include "drovik/shell/timers.h"

void TForm1::mail_session_ended()
{
    mail->stop();
}

void TForm1::mailTimer() {}

void TForm1::enable_mail_timer(bool on)
{
    set_running(mail, on);
}
