#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/netifaces.h"

namespace platform {

struct Ipv4Address {
    QString ip;
    QString mask;
};
// The first IPv4 address and mask of each interface, by interface name.
using AddressReader = std::function<std::map<std::string, Ipv4Address>()>;
std::map<std::string, Ipv4Address> system_addresses();

// The interfaces under `root`/sys/class/net, named from udev's database under `root`/run/udev;
// the addresses from `addresses` (the system's own by default: they are not in a file).
class LinuxNetInterfaces : public NetInterfaces {
public:
    explicit LinuxNetInterfaces(std::filesystem::path root, AddressReader addresses = system_addresses);
    std::vector<NetInterface> list() override;

private:
    QString description(const std::string &name, long ifindex);

    std::filesystem::path root_;
    AddressReader addresses_;
    // udev's names of a card do not change while its interface exists.
    std::map<std::pair<long, std::string>, QString> descriptions_;
};

// How a card is named: "VENDOR MODEL (NAME)" from udev's hardware database, "MODEL (NAME)" or
// "VENDOR (NAME)" with one of them, else the interface name alone.
QString card_description(const QString &vendor, const QString &model, const QString &name);

} // namespace platform
