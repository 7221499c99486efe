#pragma once

#include "datastore/tdatetime.h"

namespace platform {

// Every "now" and every wait of the program.
class Clock {
public:
    virtual ~Clock() = default;
    // Local time, with milliseconds.
    virtual datastore::TDateTime now() = 0;
    // Blocks the caller for `ms` milliseconds.
    virtual void wait(int ms) = 0;
};

} // namespace platform
