#pragma once

#include <cstddef>
#include <cstdint>

#include "checked_index.h"

namespace datastore {

struct TariffTimes {
    double row_start[kTariffRows]; // only the time of day counts
    double row_end[kTariffRows];
};

// "Тариф.dat": eight time-of-day rows with a price per hour for each of the nine slots.
struct TariffRecord {
    std::uint8_t row_flags[kSlots][8];
    float hour_price[kSlots][kTariffRows];
    TariffTimes times[kSlots];
    double holidays[kSlots][kHolidays]; // 0.0 = empty entry
};

static_assert(sizeof(TariffTimes) == 128);
static_assert(offsetof(TariffTimes, row_end) == 64);
static_assert(sizeof(TariffRecord) == 2160);
static_assert(offsetof(TariffRecord, row_flags) == 0);
static_assert(offsetof(TariffRecord, hour_price) == 72);
static_assert(offsetof(TariffRecord, times) == 360);
static_assert(offsetof(TariffRecord, holidays) == 1512);

// Switch bytes k of a slot's `row_flags`; byte 0 is unused (row 1 is always in force).
constexpr int row_on_flag(int row) { return row - 1; } // working-day rows 2..5
constexpr int kWeekendOnFlag = 5;
constexpr int kRow7OnFlag = 6;
constexpr int kHolidaysOnFlag = 7;

// Slot p = 1..9, switch byte k = 0..7, row n = 1..8, holiday j = 1..9.
template <RecordRef<TariffRecord> R>
auto &row_flag(R &rec, int p, int k)
{
    if (k < 0 || k > 7)
        index_fault("tariff switch", k);
    return at1(rec.row_flags, p, "tariff slot")[k];
}
template <RecordRef<TariffRecord> R>
auto &hour_price(R &rec, int p, int n) { return at1(at1(rec.hour_price, p, "tariff slot"), n, "tariff row"); }
template <RecordRef<TariffRecord> R>
auto &row_start(R &rec, int p, int n) { return at1(at1(rec.times, p, "tariff slot").row_start, n, "tariff row"); }
template <RecordRef<TariffRecord> R>
auto &row_end(R &rec, int p, int n) { return at1(at1(rec.times, p, "tariff slot").row_end, n, "tariff row"); }
template <RecordRef<TariffRecord> R>
auto &holiday(R &rec, int p, int j) { return at1(at1(rec.holidays, p, "tariff slot"), j, "holiday"); }

} // namespace datastore
