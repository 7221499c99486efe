#include "linux_clock.h"

#include <QDateTime>
#include <QThread>

namespace platform {

datastore::TDateTime LinuxClock::now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return datastore::compose({d.year(), d.month(), d.day()}, {t.hour(), t.minute(), t.second(), t.msec()});
}

void LinuxClock::wait(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform
