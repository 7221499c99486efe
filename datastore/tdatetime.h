#pragma once

#include <cstdint>

namespace datastore {

// Every date, time and duration in the files is a TDateTime: a double counting days since
// 1899-12-30 00:00, its fraction the time of day. For a value below 0 the whole part is the
// day counted back and the fraction's absolute value is still the time of day, so -1.25 is
// 1899-12-29 06:00 (and -0.5 the same moment as 0.5).
using TDateTime = double;

struct CivilDate {
    int year;
    int month; // 1..12
    int day;   // 1..31
    bool operator==(const CivilDate &) const = default;
};

struct TimeOfDay {
    int hour;   // 0..23
    int minute; // 0..59
    int second; // 0..59
    int msec;   // 0..999
    bool operator==(const TimeOfDay &) const = default;
};

constexpr double kMsecsPerDay = 86400000.0;
// 0001-01-01 and 9999-12-31 23:59:59.999: the span the date texts and calendars can express.
constexpr double kMinDateTime = -693593.0;
constexpr double kMaxDateTime = 2958465.99999999;

bool is_valid_date(int year, int month, int day);
bool is_valid_time(int hour, int minute, int second, int msec);

// Whole days since 1899-12-30 for a valid calendar date.
double encode_date(const CivilDate &date);
// Fraction of a day for a valid time of day.
double encode_time(const TimeOfDay &time);
// A date and a time of day joined into one value, following the rule for days before 1899-12-30.
TDateTime compose(const CivilDate &date, const TimeOfDay &time);

// Decoding rounds to whole milliseconds first (23:59:59.9996 is the next midnight). A value that
// is not a number or lies outside 0001..9999 is held to the nearest end of that span (NaN to 0),
// so stored garbage never turns into an impossible date.
struct DecodedDateTime {
    CivilDate date;
    TimeOfDay time;
};
DecodedDateTime decode(TDateTime value);
inline CivilDate decode_date(TDateTime value) { return decode(value).date; }
inline TimeOfDay decode_time(TDateTime value) { return decode(value).time; }

// 1 = Sunday, 2 = Monday, ..., 7 = Saturday.
int day_of_week(TDateTime value);

// The date alone (midnight of that day) and the time of day alone (a fraction in [0, 1)).
TDateTime date_of(TDateTime value);
TDateTime time_of(TDateTime value);

} // namespace datastore
