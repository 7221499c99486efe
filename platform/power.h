#pragma once

namespace platform {

class Power {
public:
    virtual ~Power() = default;
    // Asks the system to power off; `force` ends other programs without asking them.
    // Returns whether the request was accepted.
    virtual bool power_off(bool force) = 0;
};

} // namespace platform
