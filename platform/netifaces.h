#pragma once

#include <cstdint>
#include <vector>

#include <QString>

namespace platform {

struct InterfaceSnapshot {
    QString description;
    std::uint32_t in_octets;  // modulo 2^32
    std::uint32_t out_octets;
    std::int64_t speed_bps;
    QString ip;   // first IPv4 address, empty when none
    QString mask;
};

// The network interfaces with their counters.
class NetInterfaces {
public:
    virtual ~NetInterfaces() = default;
    virtual std::vector<InterfaceSnapshot> take_snapshot() = 0;
};

} // namespace platform
