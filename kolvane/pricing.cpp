#include "pricing.h"

#include <algorithm>
#include <cmath>

namespace kolvane {
namespace {

using namespace datastore;

constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;
constexpr double kSecond = 1.0 / 86400.0;

double seconds_of_day(TDateTime value)
{
    const TimeOfDay t = decode_time(value);
    return (t.hour * 60 + t.minute) * 60 + t.second;
}

// The last row of a group that is switched on; rows between are searched all the same.
int top_row(const TariffRecord &tariff, int p, int first, int last)
{
    int top = first;
    for (int g = first + 1; g <= last; ++g) {
        const int flag = g == 7 ? kRow7OnFlag : row_on_flag(g);
        if (row_flag(tariff, p, flag) != 0)
            top = g;
    }
    return top;
}

struct SearchPlan {
    int first;
    int last;
    int mode;
    TDateTime a1, b1; // first attempt
    TDateTime a2, b2; // second attempt, mode 0
};

// A search with its fallbacks; every run starts from the rows as the previous one left them.
RowPair search(TariffRecord &tariff, int p, const SearchPlan &plan, TDateTime start, TDateTime end)
{
    RowPair rows = find_rows(tariff, plan.first, plan.last, p, plan.mode, plan.a1, plan.b1, start, end);
    if (rows.start_row == 0 && rows.end_row == 0)
        rows = find_rows(tariff, plan.first, plan.last, p, 0, plan.a2, plan.b2, start, end);
    if (rows.start_row == 0 || rows.end_row == 0)
        rows = find_rows(tariff, plan.first, plan.last, p, 2, start, end, start, end);
    return rows;
}

SearchPlan weekday_day(TDateTime now) { return {1, 5, 0, now, now + 1, now - 1, now}; }
SearchPlan weekday_crossing(TDateTime s, TDateTime e, TDateTime now) { return {1, 5, 0, s, e, now - 1, now}; }
SearchPlan weekend_crossing(TDateTime s, TDateTime e, TDateTime now) { return {6, 7, 1, s, e, now - 1, now}; }
SearchPlan weekend_day(TDateTime s, TDateTime e) { return {6, 7, 0, s, e + 1, s - 1, e}; }

int weekend_mode(const ProviderFlags &flags)
{
    const bool sat = flags.saturday != 0;
    const bool sun = flags.sunday != 0;
    return !sat && !sun ? 1 : (sun && !sat ? 2 : (sat && !sun ? 3 : 4));
}

// 1..3 as the kind table says, 0 where it says nothing.
int span_kind(int mode, int ds, int de)
{
    const bool general = ds != kSunday && de != kSaturday;
    const bool sat_sat = ds == kSaturday && de == kSaturday;
    const bool sun_sun = ds == kSunday && de == kSunday;
    switch (mode) {
    case 1: return 1;
    case 2:
        if (ds == kSaturday && de == kSunday) return 2;
        if (ds == kSunday && de == kMonday) return 3;
        return general || sat_sat || sun_sun ? 1 : 0;
    case 3:
        if (ds == kFriday && de == kSaturday) return 2;
        if (ds == kSaturday && de == kSunday) return 3;
        return general || sat_sat ? 1 : 0;
    default:
        if (ds == kFriday && de == kSaturday) return 2;
        if (ds == kSunday && de == kMonday) return 3;
        return general || sat_sat || sun_sun ? 1 : 0;
    }
}

bool holiday_span(const TariffRecord &tariff, int p, TDateTime start, TDateTime end)
{
    if (row_flag(tariff, p, kHolidaysOnFlag) == 0)
        return false;
    bool listed = false;
    for (int j = 1; j <= kHolidays; ++j) {
        const double day = holiday(tariff, p, j);
        listed = listed || (day != 0 && date_of(day) == date_of(start));
    }
    return listed && join_date_time(start, row_start(tariff, p, 8)) <= start &&
           end <= join_date_time(end, row_end(tariff, p, 8));
}

float price_of(const TariffRecord &tariff, int p, int r) { return hour_price(tariff, p, r); }

// Where the row searches cannot name the rows: each calendar day of the span is charged by the
// rows of its own kind of day (weekend rows on a ticked weekend day, weekday rows otherwise), each
// moment at the row in force then; the second between two rows stays free as it does above. The
// row reported is the one in force at the end, or just before it.
float fair_price(const ProviderRecord &providers, const TariffRecord &stored, int p, std::uint8_t &row,
                 TDateTime start, TDateTime end)
{
    if (end < start)
        std::swap(start, end);
    // No session lasts a year; a longer span is a broken clock, not worth a walk day by day.
    end = std::min(end, start + 366);
    const ProviderFlags &flags = provider_flags(providers, p);
    auto group_of = [&](TDateTime day, int &first, int &top) {
        const int dow = day_of_week(day);
        const bool weekend = (dow == kSaturday && flags.saturday != 0) || (dow == kSunday && flags.sunday != 0);
        first = weekend ? 6 : 1;
        top = top_row(stored, p, first, weekend ? 7 : 5);
    };
    // The part of row r that lies on `day`, as up to two intervals.
    auto intervals = [&](int r, TDateTime day, TDateTime out[2][2]) {
        const double a = seconds_of_day(row_start(stored, p, r)) * kSecond;
        const double b = seconds_of_day(row_end(stored, p, r)) * kSecond;
        if (b > a) {
            out[0][0] = day + a, out[0][1] = day + b;
            return 1;
        }
        if (b < a) {
            out[0][0] = day + a, out[0][1] = day + 1;
            out[1][0] = day, out[1][1] = day + b;
            return 2;
        }
        return 0;
    };
    // Calls visit(r, from, to) for each interval of the rows in force on `day` until it returns true.
    auto each_interval = [&](TDateTime day, auto visit) {
        int first = 0, top = 0;
        group_of(day, first, top);
        for (int r = first; r <= top; ++r) {
            TDateTime iv[2][2];
            for (int k = intervals(r, day, iv) - 1; k >= 0; --k) {
                if (visit(r, iv[k][0], iv[k][1]))
                    return;
            }
        }
    };
    auto row_at = [&](TDateTime t) {
        int found = 0;
        each_interval(date_of(t), [&](int r, TDateTime from, TDateTime to) {
            found = from <= t && t < to ? r : 0;
            return found != 0;
        });
        return found;
    };

    double total = 0;
    for (TDateTime day = date_of(start); day <= date_of(end); day += 1) {
        const TDateTime a = std::max(start, day);
        const TDateTime b = std::min(end, day + 1);
        each_interval(day, [&](int r, TDateTime from, TDateTime to) {
            const double overlap = std::min(b, to) - std::max(a, from);
            if (overlap > 0)
                total += span_cost(price_of(stored, p, r), overlap);
            return false;
        });
    }
    int last = row_at(end);
    if (last == 0)
        last = row_at(end - kSecond);
    if (last != 0)
        row = static_cast<std::uint8_t>(last);
    return static_cast<float>(total);
}

} // namespace

TDateTime join_date_time(TDateTime date_part, TDateTime time_part)
{
    const DecodedDateTime d = decode(date_part);
    const TimeOfDay t = decode_time(time_part);
    return compose(d.date, {t.hour, t.minute, t.second, 0});
}

float span_cost(float price, TDateTime span)
{
    const auto ms = static_cast<std::int64_t>(std::nearbyint(std::fabs(span) * kMsecsPerDay)) % 86400000;
    const auto t = static_cast<float>(static_cast<double>(ms) / 1000.0);
    return static_cast<float>(static_cast<double>(t) * price / 3600.0);
}

RowPair find_rows(TariffRecord &tariff, int first, int last, int p, int mode, TDateTime date_a, TDateTime date_b,
                  TDateTime start, TDateTime end)
{
    const int top = top_row(tariff, p, first, last);
    int state = mode;
    for (int r = first; r <= top; ++r) {
        double &st = row_start(tariff, p, r);
        double &en = row_end(tariff, p, r);
        if (en > st && state == 0) {
            st = join_date_time(date_a, st);
            en = join_date_time(date_a, en);
        }
        if (en > st && state == 1) {
            st = join_date_time(date_b, st);
            en = join_date_time(date_b, en);
        }
        if (en < st && state == 0) {
            st = join_date_time(date_a, st);
            en = join_date_time(date_b, en);
            state = 1;
        }
        if (state == 2) {
            st = join_date_time(date_a, st);
            en = join_date_time(date_b, en);
            state = 1;
        }
    }
    RowPair rows;
    for (int r = first; r <= top; ++r) {
        const double st = row_start(tariff, p, r);
        const double en = row_end(tariff, p, r);
        if (st <= start && start < en)
            rows.start_row = r;
        if (st <= end && end < en)
            rows.end_row = r;
    }
    return rows;
}

float price_span(const ProviderRecord &providers, TariffRecord &tariff, int p, std::uint8_t &row, TDateTime start,
                 TDateTime end, TDateTime now)
{
    if (!std::isfinite(start) || !std::isfinite(end))
        return 0;
    const TariffRecord stored = tariff; // before the searches date its rows
    const int mode = weekend_mode(provider_flags(providers, p));
    const int ds = day_of_week(start);
    const int de = day_of_week(end);
    const int kind = holiday_span(tariff, p, start, end) ? 4 : span_kind(mode, ds, de);

    if (kind == 4)
        return span_cost(price_of(tariff, p, 8), end - start);

    if (kind == 2 || kind == 3) {
        const SearchPlan first_half = kind == 3 ? weekend_crossing(start, end, now) : weekday_crossing(start, end, now);
        const SearchPlan second_half = kind == 3 ? weekday_crossing(start, end, now) : weekend_crossing(start, end, now);
        const int s = search(tariff, p, first_half, start, end).start_row;
        const int e = search(tariff, p, second_half, start, end).end_row;
        if (s == 0 || e == 0)
            return fair_price(providers, stored, p, row, start, end);
        row = static_cast<std::uint8_t>(e);
        const TDateTime day_end = date_of(start) + 86399 * kSecond;
        const TDateTime day_start = date_of(end);
        const double part1 = span_cost(price_of(tariff, p, s), day_end - start);
        const double part2 = span_cost(price_of(tariff, p, e), end - day_start);
        return static_cast<float>(part1 + part2);
    }

    RowPair rows;
    bool searched = false;
    if (kind == 1 && (mode == 1 || (mode == 4 && ds != kSunday && de != kSaturday))) {
        rows = search(tariff, p, weekday_day(now), start, end);
        searched = true;
    }
    if (kind == 1 && mode == 4 && ((ds == kSaturday && de == kSaturday) || (ds == kSunday && de == kSunday))) {
        rows = search(tariff, p, weekend_day(start, end), start, end);
        if (rows.end_row == 6 && rows.start_row == 0)
            rows.start_row = 7;
        searched = true;
    }
    if (kind == 1 && mode == 4 && ds == kSaturday && de == kSunday) {
        rows = search(tariff, p, weekend_day(start, end), start, end);
        searched = true;
    }
    if (!searched || rows.start_row == 0 || rows.end_row == 0)
        return fair_price(providers, stored, p, row, start, end);

    const int s = rows.start_row;
    const int e = rows.end_row;
    row = static_cast<std::uint8_t>(e);
    if (s == e)
        return span_cost(price_of(tariff, p, s), end - start);
    float middle = 0;
    for (int r = s + 1; r <= e - 1; ++r)
        middle += span_cost(price_of(tariff, p, r), row_end(tariff, p, r) - row_start(tariff, p, r));
    const double first = span_cost(price_of(tariff, p, s), row_end(tariff, p, s) - start);
    const double last_part = span_cost(price_of(tariff, p, e), end - row_start(tariff, p, e));
    return static_cast<float>(static_cast<double>(middle) + first + last_part);
}

} // namespace kolvane
