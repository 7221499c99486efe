#pragma once

#include <cstdint>

#include "datastore/data_files.h"
#include "datastore/tdatetime.h"

namespace kolvane {

using datastore::TDateTime;

// The calendar date of `date_part` with the time of day of `time_part`, cut to whole seconds:
// what writing both as text and reading them back gives.
TDateTime join_date_time(TDateTime date_part, TDateTime time_part);

// The cost of a span at a price per hour; whole days and the sign of the span are dropped.
float span_cost(float price, TDateTime span);

struct RowPair {
    int start_row = 0; // 0: none found
    int end_row = 0;
};

// Dates rows first..last of slot p in `tariff` (the dated values stay for the rest of the call)
// and finds the rows that hold `start` and `end`.
RowPair find_rows(datastore::TariffRecord &tariff, int first, int last, int p, int mode, TDateTime date_a,
                  TDateTime date_b, TDateTime start, TDateTime end);

// What a span costs on slot p of the records, and the tariff row in force at its end. `tariff` is
// the call's own copy: the row searches date its rows. `row` is the caller's row variable: left
// alone on a holiday and when no row can be named.
float price_span(const datastore::ProviderRecord &providers, datastore::TariffRecord &tariff, int p,
                 std::uint8_t &row, TDateTime start, TDateTime end, TDateTime now);

} // namespace kolvane
