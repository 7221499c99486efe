#include "linux_netifaces.h"

#include <algorithm>
#include <cstdlib>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include "sysroot.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr long kLoopbackType = 772; // ARPHRD_LOOPBACK

long long number(const std::optional<std::string> &text, long long otherwise)
{
    if (!text || text->empty())
        return otherwise;
    char *end = nullptr;
    const long long value = std::strtoll(text->c_str(), &end, 0);
    return *end == '\0' ? value : otherwise;
}

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

std::map<std::string, Ipv4Address> system_addresses()
{
    std::map<std::string, Ipv4Address> found;
    ifaddrs *all = nullptr;
    if (::getifaddrs(&all) != 0)
        return found;
    for (const ifaddrs *a = all; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || found.contains(a->ifa_name))
            continue;
        found[a->ifa_name] = {address_text(a->ifa_addr), a->ifa_netmask != nullptr ? address_text(a->ifa_netmask)
                                                                                  : QString()};
    }
    ::freeifaddrs(all);
    return found;
}

LinuxNetInterfaces::LinuxNetInterfaces(fs::path root, AddressReader addresses)
    : root_(std::move(root)), addresses_(std::move(addresses))
{
}

QString LinuxNetInterfaces::description(const std::string &name, long ifindex)
{
    const auto key = std::make_pair(ifindex, name);
    if (const auto known = descriptions_.find(key); known != descriptions_.end())
        return known->second;
    const std::string udev = read_text(root_ / "run/udev/data" / ("n" + std::to_string(ifindex))).value_or("");
    QString vendor = udev_value(udev, "ID_VENDOR_FROM_DATABASE");
    QString model = udev_value(udev, "ID_MODEL_FROM_DATABASE");
    // A model name that already begins with its vendor's says it once.
    if (!vendor.isEmpty() && model.startsWith(vendor))
        vendor.clear();
    const QString text = card_description(vendor, model, QString::fromStdString(name));
    descriptions_[key] = text;
    return text;
}

std::vector<NetInterface> LinuxNetInterfaces::list()
{
    struct Found {
        bool hardware;
        long ifindex;
        NetInterface interface;
    };
    std::vector<Found> found;
    const std::map<std::string, Ipv4Address> addresses = addresses_ ? addresses_() : std::map<std::string, Ipv4Address>{};
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(root_ / "sys/class/net", ec)) {
        const fs::path dev = entry.path();
        const std::string name = dev.filename().string();
        const long long flags = number(read_text(dev / "flags"), 0);
        if (number(read_text(dev / "type"), 0) == kLoopbackType || (flags & IFF_LOOPBACK) != 0)
            continue;
        const long ifindex = static_cast<long>(number(read_text(dev / "ifindex"), 0));
        NetInterface i{};
        i.description = description(name, ifindex);
        // The counters keep the 32-bit view that stored readings were taken in.
        i.in_octets = static_cast<std::uint32_t>(number(read_text(dev / "statistics/rx_bytes"), 0));
        i.out_octets = static_cast<std::uint32_t>(number(read_text(dev / "statistics/tx_bytes"), 0));
        i.speed_bps = std::max(0LL, number(read_text(dev / "speed"), 0)) * 1000000;
        if (const auto a = addresses.find(name); a != addresses.end()) {
            i.ip = a->second.ip;
            i.mask = a->second.mask;
        }
        found.push_back({fs::exists(dev / "device", ec), ifindex, std::move(i)});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return a.hardware != b.hardware ? a.hardware : a.ifindex < b.ifindex;
    });
    std::vector<NetInterface> list;
    for (Found &f : found)
        list.push_back(std::move(f.interface));
    return list;
}

} // namespace platform
