#pragma once

#include <cstddef>
#include <cstdint>

#include "checked_index.h"

namespace datastore {

struct CallTimes {
    double call_start[kCallEntries];
    double call_end[kCallEntries];
    double call_duration[kCallEntries];
    double total_time[kCallEntries];
};

struct TrafficCost {
    float cost_in_total[kCallEntries];
    float cost_out_total[kCallEntries];
};

struct TrafficCounts {
    float bytes_out[kCallEntries];
    float bytes_in[kCallEntries];
    float mb_out[kCallEntries];
    float mb_in[kCallEntries];
};

// "Соединения.dat": 500 call entries per slot, as parallel arrays.
struct CallLogRecord {
    CallTimes call_times[kSlots];
    std::uint16_t call_speed[kSlots][kCallEntries];
    float call_cost[kSlots][kCallEntries];
    TrafficCost traffic_cost[kSlots];
    TrafficCounts traffic[kSlots];
};

static_assert(sizeof(CallTimes) == 16000);
static_assert(offsetof(CallTimes, call_end) == 4000);
static_assert(offsetof(CallTimes, call_duration) == 8000);
static_assert(offsetof(CallTimes, total_time) == 12000);
static_assert(sizeof(TrafficCost) == 4000);
static_assert(offsetof(TrafficCost, cost_out_total) == 2000);
static_assert(sizeof(TrafficCounts) == 8000);
static_assert(offsetof(TrafficCounts, bytes_in) == 2000);
static_assert(offsetof(TrafficCounts, mb_out) == 4000);
static_assert(offsetof(TrafficCounts, mb_in) == 6000);
static_assert(sizeof(CallLogRecord) == 279000);
static_assert(offsetof(CallLogRecord, call_times) == 0);
static_assert(offsetof(CallLogRecord, call_speed) == 144000);
static_assert(offsetof(CallLogRecord, call_cost) == 153000);
static_assert(offsetof(CallLogRecord, traffic_cost) == 171000);
static_assert(offsetof(CallLogRecord, traffic) == 207000);

namespace detail {
template <class R>
auto &call_times(R &rec, int p) { return at1(rec.call_times, p, "call-log slot"); }
template <class R>
auto &traffic_cost(R &rec, int p) { return at1(rec.traffic_cost, p, "call-log slot"); }
template <class R>
auto &traffic(R &rec, int p) { return at1(rec.traffic, p, "call-log slot"); }
} // namespace detail

// Slot p = 1..9, entry b = 1..500.
#define VELMORA_CALL_FIELD(name, element)                                                   \
    template <RecordRef<CallLogRecord> R>                                                   \
    auto &name(R &rec, int p, int b) { return at1(element.name, b, "call-log entry"); }
VELMORA_CALL_FIELD(call_start, detail::call_times(rec, p))
VELMORA_CALL_FIELD(call_end, detail::call_times(rec, p))
VELMORA_CALL_FIELD(call_duration, detail::call_times(rec, p))
VELMORA_CALL_FIELD(total_time, detail::call_times(rec, p))
VELMORA_CALL_FIELD(cost_in_total, detail::traffic_cost(rec, p))
VELMORA_CALL_FIELD(cost_out_total, detail::traffic_cost(rec, p))
VELMORA_CALL_FIELD(bytes_out, detail::traffic(rec, p))
VELMORA_CALL_FIELD(bytes_in, detail::traffic(rec, p))
VELMORA_CALL_FIELD(mb_out, detail::traffic(rec, p))
VELMORA_CALL_FIELD(mb_in, detail::traffic(rec, p))
#undef VELMORA_CALL_FIELD

template <RecordRef<CallLogRecord> R>
auto &call_speed(R &rec, int p, int b) { return at1(at1(rec.call_speed, p, "call-log slot"), b, "call-log entry"); }
template <RecordRef<CallLogRecord> R>
auto &call_cost(R &rec, int p, int b) { return at1(at1(rec.call_cost, p, "call-log slot"), b, "call-log entry"); }

// The log keeps only the low 16 bits of the speed the dial-up statistics report.
constexpr std::uint16_t stored_call_speed(std::int64_t speed) { return static_cast<std::uint16_t>(speed); }

} // namespace datastore
