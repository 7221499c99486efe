#pragma once

#include <cstdint>
#include <vector>

#include <QString>

namespace platform {

// One network interface as the system reports it at a moment.
struct NetInterface {
    // Names the card to the user and stays the same across reboots.
    QString description;
    std::uint32_t in_octets;  // modulo 2^32
    std::uint32_t out_octets;
    std::int64_t speed_bps;   // 0 when unknown
    QString ip;               // first IPv4 address of this interface, empty when none
    QString mask;
};

// The network interfaces with their counters.
class NetInterfaces {
public:
    virtual ~NetInterfaces() = default;
    // Every interface except loopback ones, in a stable order: cards with hardware first.
    virtual std::vector<NetInterface> list() = 0;
};

} // namespace platform
