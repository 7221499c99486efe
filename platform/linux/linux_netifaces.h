#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/netifaces.h"

namespace platform {

// What the kernel tells of one interface in a single query.
struct KernelLink {
    std::string name;
    int ifindex = 0;
    int type = 0; // ARPHRD_*
    unsigned flags = 0;
    std::uint64_t rx_bytes = 0;
    std::uint64_t tx_bytes = 0;
    QString ip; // first IPv4 address and its mask, empty when none
    QString mask;
};
using LinkReader = std::function<std::vector<KernelLink>()>;
// The interfaces of the current network namespace (getifaddrs).
std::vector<KernelLink> system_links();
// The interfaces a made-up machine's sysfs under `root` lists, without addresses.
LinkReader sysfs_links(std::filesystem::path root);

// The interfaces from `links`, with their speed, hardware and names read under `root` (sysfs and
// udev's database). One kernel query and one small file per interface: the monitor asks every
// second.
class LinuxNetInterfaces : public NetInterfaces {
public:
    // The kernel's interfaces for the root "/", else those of the tree's sysfs.
    explicit LinuxNetInterfaces(const std::filesystem::path &root);
    LinuxNetInterfaces(std::filesystem::path root, LinkReader links);
    std::vector<NetInterface> list() override;

private:
    struct Identity {
        QString description;
        bool hardware;
    };
    Identity identity(const KernelLink &link);

    std::filesystem::path root_;
    LinkReader links_;
    // A card's names do not change while its interface exists: read once, kept while it is there.
    std::map<std::pair<int, std::string>, Identity> identities_;
};

// How a card is named: "VENDOR MODEL (NAME)" from udev's hardware database, "MODEL (NAME)" or
// "VENDOR (NAME)" with one of them, else the interface name alone.
QString card_description(const QString &vendor, const QString &model, const QString &name);

} // namespace platform
