#include "linux_dialup.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include <ifaddrs.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <net/if.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "sysroot.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr int kPppType = 512; // ARPHRD_PPP
constexpr std::int64_t kUnknownSpeed = 1;

std::string read_raw(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string basename_of(const std::string &path)
{
    return fs::path(path).filename().string();
}

std::int64_t number(const std::string &text)
{
    try {
        std::size_t used = 0;
        const long long value = std::stoll(text, &used);
        return used == text.size() ? value : -1;
    } catch (...) {
        return -1;
    }
}

} // namespace

std::vector<std::string> split_cmdline(const std::string &raw)
{
    std::vector<std::string> parts;
    std::string current;
    // A renamed process may leave its old argument area padded with NULs: empty parts go.
    for (const char c : raw) {
        if (c != '\0') {
            current.push_back(c);
        } else if (!current.empty()) {
            parts.push_back(current);
            current.clear();
        }
    }
    if (!current.empty())
        parts.push_back(current);
    if (parts.size() == 1 && parts[0].find(' ') != std::string::npos) {
        std::istringstream words(parts[0]);
        parts.clear();
        for (std::string w; words >> w;)
            parts.push_back(w);
    }
    return parts;
}

QString pppd_entry(const std::vector<std::string> &arguments)
{
    for (const char *option : {"call", "file", "linkname"}) {
        for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
            if (arguments[i] == option)
                return QString::fromStdString(option[0] == 'f' ? basename_of(arguments[i + 1]) : arguments[i + 1]);
        }
    }
    return {};
}

LinuxDialup::LinuxDialup(fs::path root, Launcher *terminal) : root_(std::move(root)), terminal_(terminal) {}

std::vector<QString> LinuxDialup::phonebook_entries()
{
    std::vector<QString> names;
    std::error_code ec;
    fs::directory_iterator it(root_ / "etc/ppp/peers", ec);
    if (ec) {
        if (ec == std::errc::permission_denied)
            tell_once(QStringLiteral("Список подключений (/etc/ppp/peers) недоступен. Чтобы его читать, войдите в "
                                     "группу dip: sudo adduser $USER dip, затем войдите в систему заново."));
        return names;
    }
    for (const auto &entry : it) {
        const std::string name = entry.path().filename().string();
        // Editor leftovers and hidden files are not entries.
        if (name.empty() || name[0] == '.' || name.back() == '~' || !entry.is_regular_file(ec))
            continue;
        names.push_back(QString::fromStdString(name));
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

void LinuxDialup::tell_once(const QString &notice)
{
    if (told_.insert(notice).second)
        notice_ = notice;
}

std::optional<QString> LinuxDialup::take_phonebook_notice()
{
    return std::exchange(notice_, std::nullopt);
}

QString LinuxDialup::phonebook_path()
{
    return QString::fromStdString((root_ / "etc/ppp/peers").string());
}

std::vector<LinuxDialup::Link> LinuxDialup::links()
{
    std::vector<Link> found;
    std::error_code ec;
    for (const auto &dev : fs::directory_iterator(root_ / "sys/class/net", ec)) {
        // Cheap on every tick: two small files per interface, and only PPP links go further.
        if (number(read_text(dev.path() / "type").value_or("")) != kPppType)
            continue;
        const std::string flags = read_text(dev.path() / "flags").value_or("0");
        if ((std::strtol(flags.c_str(), nullptr, 16) & IFF_UP) == 0)
            continue;
        const std::string name = dev.path().filename().string();
        long pid = -1;
        for (const char *run : {"run", "var/run"}) {
            std::istringstream pid_file(read_text(root_ / run / (name + ".pid")).value_or(""));
            if (pid_file >> pid)
                break;
        }
        if (pid <= 0)
            continue;
        const auto arguments = split_cmdline(read_raw(root_ / "proc" / std::to_string(pid) / "cmdline"));
        if (arguments.empty() || basename_of(arguments[0]) != "pppd")
            continue;
        found.push_back({name, pid, pppd_entry(arguments), arguments});
    }
    return found;
}

std::optional<LinuxDialup::Link> LinuxDialup::link_of(ConnectionHandle handle)
{
    for (Link &l : links()) {
        if (l.pid == handle)
            return l;
    }
    return std::nullopt;
}

std::vector<ActiveConnection> LinuxDialup::active_connections()
{
    std::vector<ActiveConnection> connections;
    for (const Link &l : links())
        connections.push_back({l.entry, l.pid});
    return connections;
}

std::int64_t LinuxDialup::line_speed(const Link &link)
{
    // 1. A bare number line in the entry's peer file (or on pppd's command line) sets the speed.
    if (!link.entry.isEmpty()) {
        std::istringstream peer(read_text(root_ / "etc/ppp/peers" / link.entry.toStdString()).value_or(""));
        for (std::string line; std::getline(peer, line);) {
            const auto speed = number(line);
            if (speed > 0)
                return speed;
        }
    }
    for (std::size_t i = 1; i < link.arguments.size(); ++i) {
        const auto speed = number(link.arguments[i]);
        if (speed > 0)
            return speed;
    }
    // 2. PPPoE: the carrier card's link speed.
    for (std::size_t i = 1; i < link.arguments.size(); ++i) {
        std::string carrier = link.arguments[i];
        if (carrier.rfind("nic-", 0) == 0)
            carrier = carrier.substr(4);
        const auto mbits = number(read_text(root_ / "sys/class/net" / carrier / "speed").value_or(""));
        if (mbits > 0)
            return mbits * 1000000;
    }
    // 3. Up, but nobody says how fast: logged all the same, with the smallest speed.
    return kUnknownSpeed;
}

std::optional<LinkStatistics> LinuxDialup::statistics(ConnectionHandle connection)
{
    const auto link = link_of(connection);
    if (!link)
        return std::nullopt;
    const fs::path stats = root_ / "sys/class/net" / link->interface / "statistics";
    return LinkStatistics{std::max<std::int64_t>(0, number(read_text(stats / "rx_bytes").value_or("0"))),
                          std::max<std::int64_t>(0, number(read_text(stats / "tx_bytes").value_or("0"))),
                          line_speed(*link)};
}

std::optional<IpProjection> LinuxDialup::ip_projection(ConnectionHandle connection)
{
    const auto link = link_of(connection);
    if (!link)
        return std::nullopt;
    ifaddrs *all = nullptr;
    if (::getifaddrs(&all) != 0)
        return std::nullopt;
    std::optional<IpProjection> projection;
    for (const ifaddrs *a = all; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || link->interface != a->ifa_name)
            continue;
        char local[INET_ADDRSTRLEN] = {};
        char peer[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(a->ifa_addr)->sin_addr, local, sizeof local);
        if ((a->ifa_flags & IFF_POINTOPOINT) != 0 && a->ifa_dstaddr != nullptr)
            ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(a->ifa_dstaddr)->sin_addr, peer, sizeof peer);
        projection = IpProjection{QString::fromLatin1(local), QString::fromLatin1(peer)};
        break;
    }
    ::freeifaddrs(all);
    return projection;
}

std::optional<QString> LinuxDialup::hang_up(ConnectionHandle link)
{
    const auto known = link_of(link);
    if (!known)
        return QStringLiteral("no such connection");
    // The same process from check to signal: a pidfd pins it even if the id is reused meanwhile.
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(link), 0));
    if (pidfd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const auto arguments = split_cmdline(read_raw(fs::path("/proc") / std::to_string(link) / "cmdline"));
    std::optional<QString> refused;
    if (arguments.empty() || basename_of(arguments[0]) != "pppd" || pppd_entry(arguments) != known->entry) {
        refused = QStringLiteral("process %1 is not the pppd of %2").arg(link).arg(known->entry);
    } else if (::syscall(SYS_pidfd_send_signal, pidfd, SIGTERM, nullptr, 0) != 0) {
        refused = errno == EPERM ? QStringLiteral("no right to end pppd %1 (started by another user)").arg(link)
                                 : QString::fromLocal8Bit(std::strerror(errno));
    }
    ::close(pidfd);
    return refused;
}

} // namespace platform
