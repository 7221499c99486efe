#pragma once

#include <cstddef>
#include <cstdint>

#include "checked_index.h"
#include "short_string.h"

namespace datastore {

struct CardCounters {
    float reading_in_kb[kReadings];
    float reading_out_kb[kReadings];
};

struct CardPrices {
    float price_in_mb;
    float price_out_mb;
};

struct CardCosts {
    float reading_cost_in[kReadings];
    float reading_cost_out[kReadings];
};

struct CardExitCosts {
    float exit_cost_in;
    float exit_cost_out;
};

// "Ethernet.dat": the two watched network cards and their saved readings.
struct AdapterStatsRecord {
    ShortString<1> card1_save_mode;
    ShortString<1> card2_save_mode;
    ShortString<35> reading_ip[kCards][kReadings];
    ShortString<255> card_description[kCards];
    std::int16_t reading_speed[kCards][kReadings];
    std::int32_t reading_count[kCards]; // read through reading_count() below
    CardCounters counters[kCards];
    CardPrices prices[kCards];
    CardCosts costs[kCards];
    std::uint8_t gap[4];
    double reading_time[kCards][kReadings];
    CardExitCosts exit_costs[kCards];
};

static_assert(sizeof(CardCounters) == 4000);
static_assert(offsetof(CardCounters, reading_out_kb) == 2000);
static_assert(sizeof(CardPrices) == 8);
static_assert(offsetof(CardPrices, price_out_mb) == 4);
static_assert(sizeof(CardCosts) == 4000);
static_assert(offsetof(CardCosts, reading_cost_out) == 2000);
static_assert(sizeof(CardExitCosts) == 8);
static_assert(offsetof(CardExitCosts, exit_cost_out) == 4);
static_assert(sizeof(AdapterStatsRecord) == 62560);
static_assert(offsetof(AdapterStatsRecord, card1_save_mode) == 0);
static_assert(offsetof(AdapterStatsRecord, card2_save_mode) == 2);
static_assert(offsetof(AdapterStatsRecord, reading_ip) == 4);
static_assert(offsetof(AdapterStatsRecord, card_description) == 36004);
static_assert(offsetof(AdapterStatsRecord, reading_speed) == 36516);
static_assert(offsetof(AdapterStatsRecord, reading_count) == 38516);
static_assert(offsetof(AdapterStatsRecord, counters) == 38524);
static_assert(offsetof(AdapterStatsRecord, prices) == 46524);
static_assert(offsetof(AdapterStatsRecord, costs) == 46540);
static_assert(offsetof(AdapterStatsRecord, gap) == 54540);
static_assert(offsetof(AdapterStatsRecord, reading_time) == 54544);
static_assert(offsetof(AdapterStatsRecord, exit_costs) == 62544);

// Card n = 1..2, reading k = 1..500.
template <RecordRef<AdapterStatsRecord> R>
auto &save_mode(R &rec, int n)
{
    if (n < 1 || n > kCards)
        index_fault("card", n);
    return n == 1 ? rec.card1_save_mode : rec.card2_save_mode;
}
template <RecordRef<AdapterStatsRecord> R>
auto &card_description(R &rec, int n) { return at1(rec.card_description, n, "card"); }
template <RecordRef<AdapterStatsRecord> R>
auto &card_prices(R &rec, int n) { return at1(rec.prices, n, "card"); }
template <RecordRef<AdapterStatsRecord> R>
auto &card_exit_costs(R &rec, int n) { return at1(rec.exit_costs, n, "card"); }

template <RecordRef<AdapterStatsRecord> R>
auto &reading_ip(R &rec, int n, int k) { return at1(at1(rec.reading_ip, n, "card"), k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_speed(R &rec, int n, int k) { return at1(at1(rec.reading_speed, n, "card"), k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_time(R &rec, int n, int k) { return at1(at1(rec.reading_time, n, "card"), k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_in_kb(R &rec, int n, int k) { return at1(at1(rec.counters, n, "card").reading_in_kb, k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_out_kb(R &rec, int n, int k) { return at1(at1(rec.counters, n, "card").reading_out_kb, k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_cost_in(R &rec, int n, int k) { return at1(at1(rec.costs, n, "card").reading_cost_in, k, "reading"); }
template <RecordRef<AdapterStatsRecord> R>
auto &reading_cost_out(R &rec, int n, int k) { return at1(at1(rec.costs, n, "card").reading_cost_out, k, "reading"); }

// Number of stored readings of card n, held to 0..500 whatever the file says.
inline int reading_count(const AdapterStatsRecord &rec, int n)
{
    const std::int32_t stored = at1(rec.reading_count, n, "card");
    return stored < 0 ? 0 : stored > kReadings ? kReadings : static_cast<int>(stored);
}
inline void set_reading_count(AdapterStatsRecord &rec, int n, int count)
{
    at1(rec.reading_count, n, "card") = count;
}

// The link speed kept with a reading, in whole Mbit/s. Very fast links would wrap the
// signed 16-bit field, so they are held at its top.
constexpr std::int16_t stored_reading_speed(std::int64_t bits_per_second)
{
    const std::int64_t mbits = bits_per_second / 1000000;
    return static_cast<std::int16_t>(mbits < 0 ? 0 : mbits > 32767 ? 32767 : mbits);
}

} // namespace datastore
