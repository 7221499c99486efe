#include "linux_modems.h"

#include <algorithm>
#include <map>

#include "sysroot.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The kernel's serial port types (include/uapi/linux/serial_core.h) that real PCs carry.
QString uart_name(int type)
{
    static const std::map<int, const char *> names = {
        {1, "8250"},   {2, "16450"},  {3, "16550"},  {4, "16550A"}, {5, "Cirrus"},
        {6, "16650"},  {7, "16650V2"}, {8, "16750"}, {9, "Startech"}, {10, "16C950/954"},
        {11, "16654"}, {12, "16850"}, {13, "RSA"},
    };
    const auto it = names.find(type);
    return QString::fromLatin1(it != names.end() ? it->second : "UART") + QStringLiteral(" serial port");
}

// Numeric order, so that ttyS10 comes after ttyS2.
std::vector<std::string> sorted_entries(const fs::path &folder, const std::string &prefix)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && name.size() > prefix.size())
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return names;
}

// The USB product name above a tty, as the device reports it.
QString usb_product(const fs::path &tty)
{
    std::error_code ec;
    fs::path dir = fs::canonical(tty / "device", ec);
    for (int up = 0; !ec && up < 4 && !dir.empty(); ++up, dir = dir.parent_path()) {
        if (const auto product = read_text(dir / "product")) {
            const auto maker = read_text(dir / "manufacturer");
            return QString::fromStdString(maker ? *maker + " " + *product : *product);
        }
    }
    return QStringLiteral("USB modem");
}

} // namespace

LinuxModems::LinuxModems(fs::path root) : root_(std::move(root)) {}

std::vector<ModemDevice> LinuxModems::list()
{
    std::vector<ModemDevice> devices;
    const fs::path tty = root_ / "sys/class/tty";
    for (const std::string &name : sorted_entries(tty, "ttyS")) {
        // Type 0 is a port the kernel reserves but finds no chip behind.
        const int type = std::atoi(read_text(tty / name / "type").value_or("0").c_str());
        if (type > 0)
            devices.push_back({uart_name(type), QString::fromStdString(name)});
    }
    for (const char *prefix : {"ttyACM", "ttyUSB"}) {
        for (const std::string &name : sorted_entries(tty, prefix))
            devices.push_back({usb_product(tty / name), QString::fromStdString(name)});
    }
    const fs::path net = root_ / "sys/class/net";
    std::vector<std::string> cards;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(net, ec)) {
        // An Ethernet card (type 1) with hardware behind it, not a bridge or a veth.
        if (read_text(e.path() / "type") == "1" && fs::exists(e.path() / "device"))
            cards.push_back(e.path().filename().string());
    }
    std::sort(cards.begin(), cards.end());
    for (const std::string &card : cards)
        devices.push_back({QStringLiteral("PPP over Ethernet (%1)").arg(QString::fromStdString(card)),
                           QString::fromStdString(card)});
    return devices;
}

} // namespace platform
