// The Linux registry, modem list, volume identity, launcher and power-off, on fixture trees, a
// private D-Bus and programs of the test's own.
#include <filesystem>
#include <fstream>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "platform/linux/linux_launcher.h"
#include "platform/linux/linux_modems.h"
#include "platform/linux/linux_power.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/linux_volume.h"
#include "support/fixture_tree.h"
#include "support/qt_print.h"

namespace fs = std::filesystem;
using namespace platform;

namespace {

using Tree = FixtureTree;

} // namespace

TEST(LinuxRegistry, MissingValuesReadAsNothingAndWritesPersist)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("conf/registry.ini"));
    const QString key = QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management");
    LinuxRegistry registry(file);
    EXPECT_FALSE(registry.read(key, QStringLiteral("LargeSystemCache")).has_value());
    ASSERT_TRUE(registry.write(key, QStringLiteral("LargeSystemCache"), 1));
    EXPECT_EQ(LinuxRegistry(file).read(key, QStringLiteral("LargeSystemCache")), 1u);
    EXPECT_FALSE(LinuxRegistry(file).read(key, QStringLiteral("DisablePagingExecutive")).has_value());
}

TEST(LinuxModems, SerialPortsUsbModemsThenEthernetLines)
{
    Tree t;
    t.file("sys/class/tty/ttyS0/type", "4");
    t.file("sys/class/tty/ttyS1/type", "0"); // reserved, no chip
    t.file("sys/class/tty/ttyS10/type", "4");
    t.file("sys/devices/usb1/1-1/product", "U.S. Robotics 56K Modem");
    t.file("sys/devices/usb1/1-1/manufacturer", "USR");
    fs::create_directories(t.root() / "sys/devices/usb1/1-1/1-1:1.0");
    fs::create_directories(t.root() / "sys/class/tty/ttyACM0");
    t.link("sys/class/tty/ttyACM0/device", "../../../devices/usb1/1-1/1-1:1.0");
    t.file("sys/class/net/eth0/type", "1");
    fs::create_directories(t.root() / "sys/class/net/eth0/device");
    t.file("sys/class/net/br0/type", "1"); // a bridge: no hardware
    t.file("sys/class/net/lo/type", "772");

    const auto devices = LinuxModems(t.root()).list();
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].name, QStringLiteral("16550A serial port"));
    EXPECT_EQ(devices[0].port, QStringLiteral("ttyS0"));
    EXPECT_EQ(devices[1].port, QStringLiteral("ttyS10"));
    EXPECT_EQ(devices[2].name, QStringLiteral("USR U.S. Robotics 56K Modem"));
    EXPECT_EQ(devices[2].port, QStringLiteral("ttyACM0"));
    EXPECT_EQ(devices[3].name, QStringLiteral("PPP over Ethernet (eth0)"));
    EXPECT_EQ(devices[3].port, QStringLiteral("eth0"));

    EXPECT_TRUE(LinuxModems(Tree().root()).list().empty());
}

TEST(LinuxVolume, TheFileSystemUuidOfTheDataFolder)
{
    Tree t;
    struct stat st {};
    ASSERT_EQ(::stat(t.root().c_str(), &st), 0);
    const std::string dev = std::to_string(major(st.st_dev)) + ":" + std::to_string(minor(st.st_dev));
    const fs::path data = t.root();

    EXPECT_EQ(LinuxVolume(t.root()).identity(data), QStringLiteral("C:\\")) << "nothing known of the disk";

    t.file("sys/dev/block/" + dev + "/uevent", "MAJOR=254\nMINOR=1\nDEVNAME=vda1");
    t.link("dev/disk/by-uuid/0f1e2d3c-aaaa-bbbb-cccc-000000000000", "../../vda1");
    t.link("dev/disk/by-uuid/99999999-0000-0000-0000-000000000000", "../../vda2");
    EXPECT_EQ(LinuxVolume(t.root()).identity(data), QStringLiteral("0F1E-2D3C"));

    t.file("run/udev/data/b" + dev, "S:disk/by-uuid/x\nE:ID_FS_TYPE=vfat\nE:ID_FS_UUID=a1b2-c3d4");
    EXPECT_EQ(LinuxVolume(t.root()).identity(data), QStringLiteral("A1B2-C3D4"));

    EXPECT_EQ(volume_serial_text("12ab"), QStringLiteral("C:\\"));
}

TEST(LinuxLauncher, StartsTheFirstInstalledProgram)
{
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    const QString script = bin.filePath(QStringLiteral("mate-calc"));
    {
        std::ofstream out(script.toStdString());
        out << "#!/bin/sh\necho \"$0 $*\" > '" << marker.toStdString() << "'\n";
    }
    ::chmod(script.toStdString().c_str(), 0755);

    LinuxLauncher launcher({bin.path()});
    EXPECT_TRUE(launcher.start(Program::Calculator, {}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
    EXPECT_FALSE(launcher.start(Program::TextEditor, {})) << "none of the editors is there";

    EXPECT_FALSE(launcher.run_in_terminal({QStringLiteral("pppconfig")})) << "no terminal yet";
    QFile::remove(marker);
    QFile::copy(script, bin.filePath(QStringLiteral("xterm")));
    EXPECT_TRUE(launcher.run_in_terminal({QStringLiteral("pkexec"), QStringLiteral("pppconfig")}));
    // The script's one write, not just its file being opened.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(marker).size() > 0; }, 5000));
    QFile started(marker);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_TRUE(started.readAll().endsWith("xterm -e pkexec pppconfig\n"));
}

// A private bus with a mock logind, so that no test can reach the machine's own.
class PrivateBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() ||
            QProcess::execute(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0)
            GTEST_SKIP() << "dbus-daemon and python3-dbusmock are needed";
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon.waitForReadyRead(10000));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        ASSERT_FALSE(address.isEmpty());
    }
    void TearDown() override
    {
        for (QProcess *p : {&mock, &daemon}) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    void start_logind()
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
        mock.setProcessEnvironment(env);
        mock.start(QStringLiteral("/usr/bin/python3"),
                   {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"), QStringLiteral("-l"),
                    log.filePath(QStringLiteral("calls")), QStringLiteral("--template"), QStringLiteral("logind")});
        const QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("probe"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1")).value(); },
            15000));
    }
    QString calls() const
    {
        QFile f(log.filePath(QStringLiteral("calls")));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

    QProcess daemon;
    QProcess mock;
    QTemporaryDir log;
    QString address;
};

TEST_F(PrivateBus, PowerOffAsksLogindWithoutAPrompt)
{
    start_logind();
    LinuxPower power(QStringLiteral("false"), {}, address);
    EXPECT_TRUE(power.power_off(true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls().contains(QStringLiteral("PowerOff False")); }, 5000))
        << calls().toStdString();
}

TEST_F(PrivateBus, WithoutLogindTheFallbackDecides)
{
    EXPECT_FALSE(LinuxPower(QStringLiteral("false"), {}, address).power_off(true));
    EXPECT_TRUE(LinuxPower(QStringLiteral("true"), {}, address).power_off(true));
}
