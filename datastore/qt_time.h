#pragma once

#include <QDateTime>

#include "tdatetime.h"

namespace datastore {

// A local date and time as the files count it, with its milliseconds.
inline TDateTime to_tdatetime(const QDateTime &local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    return compose({d.year(), d.month(), d.day()}, {t.hour(), t.minute(), t.second(), t.msec()});
}

// A time of day and back.
inline TDateTime to_tdatetime(const QTime &t)
{
    return encode_time({t.hour(), t.minute(), t.second(), t.msec()});
}
inline QTime to_qtime(TDateTime value)
{
    const TimeOfDay t = decode_time(value);
    return QTime(t.hour, t.minute, t.second, t.msec);
}

} // namespace datastore
