#pragma once

#include <vector>

#include <QString>

namespace platform {

struct ModemDevice {
    QString name;
    QString port;
};

// The dial-up line devices the system knows.
class Modems {
public:
    virtual ~Modems() = default;
    virtual std::vector<ModemDevice> list() = 0;
};

} // namespace platform
