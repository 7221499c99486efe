#include "linux_clock.h"

#include <QThread>

#include "datastore/qt_time.h"

namespace platform {

datastore::TDateTime LinuxClock::now()
{
    return datastore::to_tdatetime(QDateTime::currentDateTime());
}

void LinuxClock::wait(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform
