// The network interfaces on fixture trees, and once on real interfaces in a namespace of the
// test's own.
#include <filesystem>
#include <fstream>

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/linux/linux_netifaces.h"
#include "support/fixture_tree.h"
#include "support/qt_print.h"

namespace fs = std::filesystem;
using platform::LinuxNetInterfaces;

namespace {

class Interfaces : public FixtureTree {
public:
    // An interface in sysfs; `udev` the "VENDOR|MODEL" of its hardware, empty for a virtual one.
    void add(const std::string &name, int ifindex, int type, const std::string &speed, const std::string &rx,
             const std::string &tx, const std::string &vendor = {}, const std::string &model = {})
    {
        const std::string dev = "sys/class/net/" + name + "/";
        file(dev + "ifindex", std::to_string(ifindex) + "\n");
        file(dev + "type", std::to_string(type) + "\n");
        file(dev + "flags", type == 772 ? "0x9\n" : "0x1003\n");
        file(dev + "speed", speed);
        file(dev + "statistics/rx_bytes", rx + "\n");
        file(dev + "statistics/tx_bytes", tx + "\n");
        if (!vendor.empty() || !model.empty()) {
            fs::create_directories(root() / dev / "device");
            file("run/udev/data/n" + std::to_string(ifindex),
                 "I:1\nE:ID_VENDOR_FROM_DATABASE=" + vendor + "\nE:ID_MODEL_FROM_DATABASE=" + model + "\n");
        }
    }
};

} // namespace

TEST(LinuxNetInterfaces, CardsFirstNamedByTheirHardware)
{
    Interfaces t;
    t.add("lo", 1, 772, "", "500", "500");
    t.add("docker0", 2, 1, "-1", "0", "0");
    t.add("wlp2s0", 4, 1, "", "1", "2", "Intel Corporation", "Intel Corporation Wi-Fi 6 AX200");
    t.add("enp3s0", 3, 1, "2500\n", "4294967306", "16777217", "Intel Corporation", "I211 Gigabit Network Connection");
    t.add("usb0", 7, 1, "100", "0", "0", "", "RTL8153 Gigabit Ethernet Adapter");
    t.add("veth1", 9, 1, "10000", "0", "0");

    const auto list = LinuxNetInterfaces(t.root()).list();
    ASSERT_EQ(list.size(), 5u) << "loopback is never a card";
    QStringList names;
    for (const auto &i : list)
        names << i.description;
    EXPECT_EQ(names, (QStringList{QStringLiteral("Intel Corporation I211 Gigabit Network Connection (enp3s0)"),
                                  QStringLiteral("Intel Corporation Wi-Fi 6 AX200 (wlp2s0)"),
                                  QStringLiteral("RTL8153 Gigabit Ethernet Adapter (usb0)"), QStringLiteral("docker0"),
                                  QStringLiteral("veth1")}));
    EXPECT_EQ(list[0].in_octets, 10u) << "the 32-bit view of a counter past 2^32";
    EXPECT_EQ(list[0].out_octets, 16777217u);
    EXPECT_EQ(list[0].speed_bps, 2500000000) << "2.5 Gbit/s does not wrap";
    EXPECT_EQ(list[1].speed_bps, 0) << "no speed file";
    EXPECT_EQ(list[3].speed_bps, 0) << "a virtual link's -1";

    EXPECT_TRUE(LinuxNetInterfaces(t.root() / "missing").list().empty());
}

TEST(LinuxNetInterfaces, EachInterfaceWithItsOwnAddress)
{
    Interfaces t;
    t.add("enp3s0", 2, 1, "1000", "0", "0", "Intel Corporation", "I211");
    auto links = [] {
        platform::KernelLink lo{"lo", 1, 772, 0x9, 0, 0, QStringLiteral("127.0.0.1"), QStringLiteral("255.0.0.0")};
        platform::KernelLink wifi{"wlp2s0", 3, 1, 0x1003, 5, 6, QStringLiteral("10.0.0.7"), QStringLiteral("255.0.0.0")};
        platform::KernelLink card{"enp3s0", 2, 1, 0x1003, 7, 8, {}, {}};
        return std::vector<platform::KernelLink>{lo, wifi, card};
    };
    const auto list = LinuxNetInterfaces(t.root(), links).list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].description, QStringLiteral("Intel Corporation I211 (enp3s0)"));
    EXPECT_TRUE(list[0].ip.isEmpty()) << "not the address the next interface has";
    EXPECT_EQ(list[0].speed_bps, 1000000000);
    EXPECT_EQ(list[1].description, QStringLiteral("wlp2s0"));
    EXPECT_EQ(list[1].ip, QStringLiteral("10.0.0.7"));
    EXPECT_EQ(list[1].mask, QStringLiteral("255.0.0.0"));
    EXPECT_EQ(list[1].in_octets, 5u);
}

TEST(LinuxNetInterfaces, RealInterfacesInANamespace)
{
    const QString ns = QStringLiteral("velmora-net-%1").arg(::getpid());
    auto ip = [&](const QStringList &args) { return QProcess::execute(QStringLiteral("ip"), args) == 0; };
    if (::geteuid() != 0 || !ip({QStringLiteral("netns"), QStringLiteral("add"), ns}))
        GTEST_SKIP() << "network namespaces are not available here";
    auto in_ns = [&](const QString &command) { return ip(QStringList{QStringLiteral("-n"), ns} + command.split(u' ')); };
    const bool made = in_ns(QStringLiteral("link add va type veth peer name vb")) &&
                      in_ns(QStringLiteral("addr add 10.79.0.1/24 dev va")) &&
                      in_ns(QStringLiteral("addr add 10.79.1.1/16 dev va")) &&
                      in_ns(QStringLiteral("link set va up")) && in_ns(QStringLiteral("link set vb up"));
    QProcess probe;
    if (made) {
        probe.start(QStringLiteral("ip"), {QStringLiteral("netns"), QStringLiteral("exec"), ns,
                                           QStringLiteral(VELMORA_BIN_DIR "/linux-probe"), QStringLiteral("interfaces")});
        probe.waitForFinished(10000);
    }
    ip({QStringLiteral("netns"), QStringLiteral("delete"), ns});
    ASSERT_TRUE(made);
    const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    // In the kernel's order: the peer of a veth pair is made first.
    const QStringList vb = lines[0].split(u'|');
    const QStringList va = lines[1].split(u'|');
    ASSERT_EQ(va.size(), 6);
    ASSERT_EQ(vb.size(), 6);
    EXPECT_EQ(va[0], QStringLiteral("va"));
    EXPECT_EQ(va[4], QStringLiteral("10.79.0.1"));
    EXPECT_EQ(va[5], QStringLiteral("255.255.255.0"));
    EXPECT_EQ(vb[0], QStringLiteral("vb"));
    EXPECT_TRUE(vb[4].isEmpty()) << "the peer has no address of its own";
}
