#include "linux_netifaces.h"

#include <algorithm>
#include <cstdlib>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_link.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>

#include "sysroot.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr int kLoopbackType = 772; // ARPHRD_LOOPBACK

// A value of udev's database file ("E:KEY=value" lines).
QString udev_value(const std::string &data, const std::string &key)
{
    const std::string marker = "E:" + key + "=";
    std::size_t at = 0;
    while ((at = data.find(marker, at)) != std::string::npos) {
        if (at == 0 || data[at - 1] == '\n') {
            const std::size_t start = at + marker.size();
            return QString::fromUtf8(data.substr(start, data.find('\n', start) - start)).trimmed();
        }
        at += marker.size();
    }
    return {};
}

QString address_text(const sockaddr *address)
{
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

} // namespace

QString card_description(const QString &vendor, const QString &model, const QString &name)
{
    const QString product = QString(vendor + QLatin1Char(' ') + model).trimmed();
    return product.isEmpty() ? name : product + QStringLiteral(" (") + name + QLatin1Char(')');
}

std::vector<KernelLink> system_links()
{
    std::vector<KernelLink> links;
    ifaddrs *all = nullptr;
    if (::getifaddrs(&all) != 0)
        return links;
    auto link_named = [&](const char *name) -> KernelLink & {
        const auto found = std::find_if(links.begin(), links.end(), [&](const KernelLink &l) { return l.name == name; });
        if (found != links.end())
            return *found;
        links.push_back({});
        links.back().name = name;
        return links.back();
    };
    for (const ifaddrs *a = all; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr)
            continue;
        if (a->ifa_addr->sa_family == AF_PACKET) {
            KernelLink &l = link_named(a->ifa_name);
            const auto *ll = reinterpret_cast<const sockaddr_ll *>(a->ifa_addr);
            l.ifindex = ll->sll_ifindex;
            l.type = ll->sll_hatype;
            l.flags = a->ifa_flags;
            // The kernel's 32-bit statistics: the view stored readings were taken in.
            if (const auto *stats = static_cast<const rtnl_link_stats *>(a->ifa_data)) {
                l.rx_bytes = stats->rx_bytes;
                l.tx_bytes = stats->tx_bytes;
            }
        } else if (a->ifa_addr->sa_family == AF_INET) {
            KernelLink &l = link_named(a->ifa_name);
            if (l.ip.isEmpty()) {
                l.ip = address_text(a->ifa_addr);
                l.mask = a->ifa_netmask != nullptr ? address_text(a->ifa_netmask) : QString();
            }
        }
    }
    ::freeifaddrs(all);
    return links;
}

LinkReader sysfs_links(fs::path root)
{
    return [root = std::move(root)] {
        auto number = [](const fs::path &file) {
            return std::strtoull(read_text(file).value_or("0").c_str(), nullptr, 0);
        };
        std::vector<KernelLink> links;
        std::error_code ec;
        for (const auto &entry : fs::directory_iterator(root / "sys/class/net", ec)) {
            const fs::path dev = entry.path();
            KernelLink l;
            l.name = dev.filename().string();
            l.ifindex = static_cast<int>(number(dev / "ifindex"));
            l.type = static_cast<int>(number(dev / "type"));
            l.flags = static_cast<unsigned>(number(dev / "flags"));
            l.rx_bytes = number(dev / "statistics/rx_bytes");
            l.tx_bytes = number(dev / "statistics/tx_bytes");
            links.push_back(std::move(l));
        }
        return links;
    };
}

LinuxNetInterfaces::LinuxNetInterfaces(const fs::path &root)
    : LinuxNetInterfaces(root, root == fs::path("/") ? LinkReader(system_links) : sysfs_links(root))
{
}

LinuxNetInterfaces::LinuxNetInterfaces(fs::path root, LinkReader links) : root_(std::move(root)), links_(std::move(links))
{
}

LinuxNetInterfaces::Identity LinuxNetInterfaces::identity(const KernelLink &link)
{
    if (const auto known = identities_.find({link.ifindex, link.name}); known != identities_.end())
        return known->second;
    const std::string udev = read_text(root_ / "run/udev/data" / ("n" + std::to_string(link.ifindex))).value_or("");
    QString vendor = udev_value(udev, "ID_VENDOR_FROM_DATABASE");
    const QString model = udev_value(udev, "ID_MODEL_FROM_DATABASE");
    // A model name that already begins with its vendor's says it once.
    if (!vendor.isEmpty() && model.startsWith(vendor))
        vendor.clear();
    std::error_code ec;
    return {card_description(vendor, model, QString::fromStdString(link.name)),
            fs::exists(root_ / "sys/class/net" / link.name / "device", ec)};
}

std::vector<NetInterface> LinuxNetInterfaces::list()
{
    struct Found {
        bool hardware;
        int ifindex;
        NetInterface interface;
    };
    std::vector<Found> found;
    // Only the interfaces there now stay known: containers come and go with new interfaces.
    std::map<std::pair<int, std::string>, Identity> known;
    for (const KernelLink &link : links_()) {
        if (link.type == kLoopbackType || (link.flags & IFF_LOOPBACK) != 0 || link.ifindex == 0)
            continue;
        const Identity &id = known[{link.ifindex, link.name}] = identity(link);
        const long long mbits =
            std::atoll(read_text(root_ / "sys/class/net" / link.name / "speed").value_or("0").c_str());
        found.push_back({id.hardware, link.ifindex,
                         {id.description, static_cast<std::uint32_t>(link.rx_bytes),
                          static_cast<std::uint32_t>(link.tx_bytes), std::max(0LL, mbits) * 1000000, link.ip,
                          link.mask}});
    }
    identities_ = std::move(known);
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.hardware != b.hardware ? a.hardware : a.ifindex < b.ifindex;
    });
    std::vector<NetInterface> list;
    for (Found &f : found)
        list.push_back(std::move(f.interface));
    return list;
}

} // namespace platform
