#include "forecast.h"

#include <cmath>

Forecast hour_pay(float hours, const datastore::Formats &formats)
{
    if (!(hours >= 0))
        hours = 0;
    int days = 0;
    if (hours >= 24) {
        days = static_cast<int>(hours / 24);
        hours = static_cast<float>(hours - days * 24.0);
    }
    const int h = static_cast<int>(hours);
    const auto m = static_cast<float>((hours - h) * 60.0);
    const auto s = static_cast<float>((m - std::trunc(m)) * 60.0);
    // Each figure is written without decimals; a 60 that rounding makes is written 0, as the
    // forecast always has been (the minute is not carried).
    int minutes = static_cast<int>(m);
    int seconds = static_cast<int>(std::round(s));
    if (minutes == 60)
        minutes = 0;
    if (seconds == 60)
        seconds = 0;
    const datastore::TDateTime time = datastore::encode_time({h % 24, minutes, seconds, 0});
    return {QString::number(days) + QStringLiteral(" cут. ") + formats.time_text(time), time, days};
}
