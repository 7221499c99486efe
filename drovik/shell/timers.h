#pragma once

#include <QTimer>

// A timer switched on or off as a whole, like an enabled flag: starting a running timer again
// would restart its count.
inline void set_running(QTimer *timer, bool on)
{
    if (on && !timer->isActive())
        timer->start();
    else if (!on)
        timer->stop();
}
