#pragma once

#include "platform/clock.h"

namespace platform {

class LinuxClock : public Clock {
public:
    datastore::TDateTime now() override;
    void wait(int ms) override;
};

} // namespace platform
