#include "tdatetime.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace datastore {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// 1899-12-30 counted in days since 1970-01-01.
constexpr int kEpochShift = -25569;

double sanitize(TDateTime value)
{
    if (std::isnan(value))
        return 0;
    if (value < kMinDateTime)
        return kMinDateTime;
    if (value > kMaxDateTime)
        return kMaxDateTime;
    return value;
}

CivilDate civil_from_days(std::int64_t days)
{
    using namespace std::chrono;
    const year_month_day ymd{sys_days{std::chrono::days{days + kEpochShift}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

struct Split {
    std::int64_t day;
    std::int64_t ms; // 0 .. kMsPerDay-1
};

Split split(TDateTime value)
{
    const auto total = static_cast<std::int64_t>(std::nearbyint(sanitize(value) * kMsecsPerDay));
    return {total / kMsPerDay, std::llabs(total) % kMsPerDay};
}

} // namespace

bool is_valid_date(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        return false;
    using namespace std::chrono;
    return year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                          std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

bool is_valid_time(int hour, int minute, int second, int msec)
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && msec >= 0 &&
           msec < 1000;
}

double encode_date(const CivilDate &date)
{
    using namespace std::chrono;
    const sys_days days{year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{static_cast<unsigned>(date.month)},
                                       std::chrono::day{static_cast<unsigned>(date.day)}}};
    return static_cast<double>(days.time_since_epoch().count() - kEpochShift);
}

double encode_time(const TimeOfDay &time)
{
    const std::int64_t ms = ((time.hour * 60LL + time.minute) * 60 + time.second) * 1000 + time.msec;
    return static_cast<double>(ms) / kMsecsPerDay;
}

TDateTime compose(const CivilDate &date, const TimeOfDay &time)
{
    const double day = encode_date(date);
    const double fraction = encode_time(time);
    return day < 0 ? day - fraction : day + fraction;
}

DecodedDateTime decode(TDateTime value)
{
    const Split s = split(value);
    std::int64_t ms = s.ms;
    TimeOfDay t{};
    t.msec = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<int>(ms % 60);
    ms /= 60;
    t.minute = static_cast<int>(ms % 60);
    t.hour = static_cast<int>(ms / 60);
    return {civil_from_days(s.day), t};
}

int day_of_week(TDateTime value)
{
    // 1899-12-30 was a Saturday.
    const std::int64_t day = split(value).day;
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

TDateTime date_of(TDateTime value)
{
    return static_cast<double>(split(value).day);
}

TDateTime time_of(TDateTime value)
{
    return static_cast<double>(split(value).ms) / kMsecsPerDay;
}

} // namespace datastore
