#pragma once

#include "datastore/data_files.h"

// This calendar month's online time and cost of slot p, from the calls logged since the log last
// started at entry 1: a call counts when it started and ended within the month.
struct MonthBill {
    datastore::TDateTime time; // the total online time
    float cost;
};

MonthBill month_bill(const datastore::ProviderRecord &providers, const datastore::CallLogRecord &calls, int p,
                     datastore::TDateTime now);

// Stores the bill in `month_time` (as time text) and `month_cost` of slot p.
void now_month(datastore::ProviderRecord &providers, const datastore::CallLogRecord &calls, int p,
               datastore::TDateTime now);
