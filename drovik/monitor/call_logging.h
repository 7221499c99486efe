#pragma once

#include <cstdint>

#include "datastore/data_files.h"

// A finished session as the monitor saw it.
struct FinishedSession {
    datastore::TDateTime start;
    datastore::TDateTime end; // the last tick before the hang-up
    std::int32_t bytes_in;
    std::int32_t bytes_out;
    std::int32_t speed; // bits per second
};

// Where the call went and whether the user must first hear that the log is nearly full.
struct LoggedCall {
    int entry;
    bool limit_warning;
};

// The entry the next call of slot p takes (the log's index rule).
LoggedCall next_log_entry(const datastore::ProviderRecord &providers, int p);

// Writes the session into `entry` of slot p's log with its cost, charges the balance (credits it
// on a credit provider) and advances `next_call`.
void log_call(datastore::ProviderRecord &providers, datastore::CallLogRecord &calls, int p, int entry,
              const FinishedSession &session, float cost);
