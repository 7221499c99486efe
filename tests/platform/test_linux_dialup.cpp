// The pppd dial-up layer on fixture trees, with processes of the test's own for the hang-up.
#include <csignal>
#include <filesystem>
#include <fstream>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/fake/fake_services.h"
#include "platform/linux/linux_dialup.h"
#include "support/child.h"
#include "support/fixture_tree.h"
#include "support/qt_print.h"

namespace fs = std::filesystem;
using platform::LinuxDialup;

namespace {

class Tree : public FixtureTree {
public:
    // A PPP interface (up or down) served by the pppd with `pid` and these arguments.
    void ppp(const std::string &name, bool up, long pid, const std::string &cmdline, int type = 512)
    {
        file("sys/class/net/" + name + "/type", std::to_string(type) + "\n");
        file("sys/class/net/" + name + "/flags", up ? "0x1091\n" : "0x1090\n");
        file("run/" + name + ".pid", std::to_string(pid) + "\n" + name + "\n");
        file("proc/" + std::to_string(pid) + "/cmdline", cmdline);
    }
};

std::string nul(std::initializer_list<const char *> args)
{
    std::string s;
    for (const char *a : args)
        s += std::string(a) + '\0';
    return s;
}

} // namespace

TEST(LinuxDialup, PhonebookInOrderWithoutRegardToCase)
{
    Tree t;
    for (const char *name : {"zeta", "Aist", "beeline", ".hidden", "old~"})
        t.file(std::string("etc/ppp/peers/") + name, "");
    fs::create_directories(t.root() / "etc/ppp/peers/chatscripts");
    LinuxDialup dialup(t.root());
    EXPECT_EQ(dialup.phonebook_entries(),
              (std::vector<QString>{QStringLiteral("Aist"), QStringLiteral("beeline"), QStringLiteral("zeta")}));
    EXPECT_FALSE(dialup.take_phonebook_notice().has_value());
    EXPECT_TRUE(dialup.is_valid_new_entry_name(QStringLiteral("new")));
    for (const char *bad : {"", "a/b", ".", "..", "zeta"})
        EXPECT_FALSE(dialup.is_valid_new_entry_name(QString::fromUtf8(bad))) << bad;
}

TEST(LinuxDialup, AnUnreadablePhonebookIsEmptyAndToldOnce)
{
    Tree t;
    t.file("etc/ppp/peers/home", "");
    ::chmod(t.dir.path().toStdString().c_str(), 0755);
    ::chmod((t.root() / "etc").c_str(), 0755);
    ::chmod((t.root() / "etc/ppp").c_str(), 0755);
    ::chmod((t.root() / "etc/ppp/peers").c_str(), 02750); // root:dip on Debian
    EXPECT_TRUE(in_child_as_nobody([&] {
        LinuxDialup dialup(t.root());
        const bool empty = dialup.phonebook_entries().empty();
        const auto first = dialup.take_phonebook_notice();
        dialup.phonebook_entries();
        const bool once = !dialup.take_phonebook_notice().has_value();
        return empty && first && first->contains(QStringLiteral("dip")) && once;
    }));
}

TEST(LinuxDialup, ConnectionsArePppdLinksThatAreUp)
{
    Tree t;
    LinuxDialup dialup(t.root());
    EXPECT_TRUE(dialup.active_connections().empty());

    t.ppp("ppp0", true, 1234, nul({"/usr/sbin/pppd", "call", "Home"}));
    t.ppp("ppp1", false, 1300, nul({"/usr/sbin/pppd", "call", "Down"}));
    t.ppp("tun0", true, 1400, nul({"/usr/sbin/openvpn", "--config", "x"}), 65534); // a VPN
    auto c = dialup.active_connections();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].entry_name, QStringLiteral("Home"));
    EXPECT_EQ(c[0].handle, 1234);

    t.ppp("ppp2", true, 1500, nul({"pppd", "file", "/etc/ppp/peers/Work", "noauth"}));
    EXPECT_EQ(dialup.active_connections().size(), 2u);
}

TEST(LinuxDialup, TheEntryFromEachFormOfArguments)
{
    using platform::pppd_entry;
    using platform::split_cmdline;
    EXPECT_EQ(pppd_entry(split_cmdline(nul({"pppd", "call", "Home"}))), QStringLiteral("Home"));
    EXPECT_EQ(pppd_entry(split_cmdline(nul({"pppd", "file", "/etc/ppp/peers/Work"}))), QStringLiteral("Work"));
    EXPECT_EQ(pppd_entry(split_cmdline(nul({"pppd", "/dev/ttyS0", "linkname", "dsl"}))), QStringLiteral("dsl"));
    EXPECT_EQ(pppd_entry(split_cmdline("pppd call Renamed")), QStringLiteral("Renamed"));
    EXPECT_EQ(pppd_entry(split_cmdline(std::string("pppd call Padded\0\0\0", 18))), QStringLiteral("Padded"));
    EXPECT_EQ(pppd_entry(split_cmdline(nul({"pppd", "call"}))), QString());
}

TEST(LinuxDialup, CountersAndTheSpeedRule)
{
    Tree t;
    t.ppp("ppp0", true, 1234, nul({"pppd", "call", "Home"}));
    t.file("sys/class/net/ppp0/statistics/rx_bytes", "5000000\n");
    t.file("sys/class/net/ppp0/statistics/tx_bytes", "1200\n");
    t.file("etc/ppp/peers/Home", "/dev/ttyS0\n115200\nnoauth\n");
    LinuxDialup dialup(t.root());
    auto s = dialup.statistics(1234);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->bytes_in, 5000000);
    EXPECT_EQ(s->bytes_out, 1200);
    EXPECT_EQ(s->speed_bps, 115200) << "the peer file's speed line";

    t.ppp("ppp1", true, 1300, nul({"pppd", "plugin", "rp-pppoe.so", "nic-eth0", "call", "dsl"}));
    t.file("sys/class/net/eth0/speed", "1000\n");
    EXPECT_EQ(dialup.statistics(1300)->speed_bps, 1000000000) << "the carrier card's speed";

    t.ppp("ppp2", true, 1400, nul({"pppd", "call", "mystery"}));
    EXPECT_EQ(dialup.statistics(1400)->speed_bps, 1) << "unknown: still logged";
    EXPECT_FALSE(dialup.statistics(999).has_value());
}

// A stand-in pppd: perl renames itself so that its command line reads "pppd call NAME".
class StandIn {
public:
    explicit StandIn(const char *title)
    {
        process.start(QStringLiteral("perl"), {QStringLiteral("-e"),
                                               QStringLiteral("$0 = '%1'; sleep 60").arg(QLatin1String(title))});
        process.waitForStarted(5000);
        // Ready once perl has renamed itself (the title also stands in its original arguments).
        ready = QTest::qWaitFor([&] { return read_cmdline().rfind(title, 0) == 0; }, 5000);
    }
    ~StandIn()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    long pid() const { return static_cast<long>(process.processId()); }
    std::string read_cmdline() const
    {
        std::ifstream in("/proc/" + std::to_string(process.processId()) + "/cmdline", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QProcess process;
    bool ready = false;
};

TEST(LinuxDialup, HangUpEndsThatPppdOnly)
{
    StandIn pppd("pppd call Home");
    StandIn other("sleeper call Home");
    ASSERT_TRUE(pppd.ready && other.ready);
    Tree t;
    t.ppp("ppp0", true, pppd.pid(), "pppd call Home");
    t.ppp("ppp1", true, other.pid(), "pppd call Home"); // the tree says pppd, the process is not
    LinuxDialup dialup(t.root());

    const auto refused = dialup.hang_up(other.pid());
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->contains(QStringLiteral("not the pppd"))) << refused->toStdString();
    EXPECT_EQ(other.process.state(), QProcess::Running);

    const auto ended = dialup.hang_up(pppd.pid());
    EXPECT_FALSE(ended.has_value()) << ended.value_or(QString()).toStdString() << " [" << pppd.read_cmdline() << "]";
    EXPECT_TRUE(pppd.process.waitForFinished(5000));
    EXPECT_EQ(pppd.process.exitStatus(), QProcess::CrashExit) << "ended by its signal";
}

TEST(LinuxDialup, AHangUpRefusedByTheSystemIsReported)
{
    StandIn pppd("pppd call Home"); // started by root
    ASSERT_TRUE(pppd.ready);
    Tree t;
    t.ppp("ppp0", true, pppd.pid(), "pppd call Home");
    ::chmod(t.dir.path().toStdString().c_str(), 0755);
    EXPECT_TRUE(in_child_as_nobody([&] {
        const auto refused = LinuxDialup(t.root()).hang_up(pppd.pid());
        return refused && refused->contains(QStringLiteral("another user"));
    }));
    EXPECT_EQ(pppd.process.state(), QProcess::Running);
}

// A real point-to-point interface in a network namespace of the test's own: the addresses come
// from the kernel, read by a probe started inside the namespace.
TEST(LinuxDialup, AddressesOfARealPointToPointLink)
{
    const QString ns = QStringLiteral("velmora-test-%1").arg(::getpid());
    auto ip = [&](const QStringList &args) { return QProcess::execute(QStringLiteral("ip"), args) == 0; };
    if (::geteuid() != 0 || !ip({QStringLiteral("netns"), QStringLiteral("add"), ns}))
        GTEST_SKIP() << "network namespaces are not available here";
    const bool made = ip({QStringLiteral("-n"), ns, QStringLiteral("tuntap"), QStringLiteral("add"), QStringLiteral("dev"),
                          QStringLiteral("ppp0"), QStringLiteral("mode"), QStringLiteral("tun")}) &&
                      ip({QStringLiteral("-n"), ns, QStringLiteral("addr"), QStringLiteral("add"), QStringLiteral("10.78.0.1"),
                          QStringLiteral("peer"), QStringLiteral("10.78.0.2"), QStringLiteral("dev"), QStringLiteral("ppp0")}) &&
                      ip({QStringLiteral("-n"), ns, QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("ppp0"),
                          QStringLiteral("up")});
    // The kernel's own interface stands in for pppd's; the tree says which pppd serves it.
    Tree t;
    t.ppp("ppp0", true, 4242, nul({"pppd", "call", "Home"}));
    t.file("sys/class/net/ppp0/statistics/tx_bytes", "777\n");
    QProcess probe;
    if (made) {
        probe.start(QStringLiteral("ip"), {QStringLiteral("netns"), QStringLiteral("exec"), ns,
                                           QStringLiteral(VELMORA_BIN_DIR "/linux-probe"), t.dir.path(),
                                           QStringLiteral("4242")});
        probe.waitForFinished(10000);
    }
    ip({QStringLiteral("netns"), QStringLiteral("delete"), ns});
    ASSERT_TRUE(made);
    EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(), QStringLiteral("10.78.0.1 10.78.0.2 777"))
        << probe.readAllStandardError().toStdString();
}

namespace {

// A program of the fixture tree: a shell script that records its arguments and exits with `code`.
void script(Tree &t, const std::string &path, int code)
{
    t.file(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + (t.root() / "log/args").string() + "'\nexit " +
                     std::to_string(code) + "\n");
    ::chmod((t.root() / path).c_str(), 0755);
}

std::string read_file(const fs::path &file)
{
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(LinuxDialup, RenameMovesThePeerFileAndNeverOverAnother)
{
    Tree t;
    t.file("etc/ppp/peers/home", "user ivan\n");
    t.file("etc/ppp/peers/work", "user petr\n");
    LinuxDialup dialup(t.root());
    EXPECT_FALSE(dialup.rename_entry(QStringLiteral("home"), QStringLiteral("Дом")).has_value());
    EXPECT_EQ(read_file(t.root() / "etc/ppp/peers/Дом"), "user ivan\n");
    EXPECT_FALSE(fs::exists(t.root() / "etc/ppp/peers/home"));

    EXPECT_TRUE(dialup.rename_entry(QStringLiteral("Дом"), QStringLiteral("work")).has_value());
    EXPECT_TRUE(dialup.rename_entry(QStringLiteral("gone"), QStringLiteral("other")).has_value());
    EXPECT_EQ(read_file(t.root() / "etc/ppp/peers/work"), "user petr\n");
    for (const char *bad : {"-x", ".x", "x~", "a\nb"})
        EXPECT_FALSE(dialup.is_valid_new_entry_name(QString::fromUtf8(bad))) << bad;
}

// Where the user may not write the phonebook, the rename goes through pkexec, and a refusal there
// is reported. Run as nobody, so also a root test run meets the refusal.
TEST(LinuxDialup, ARenameTheUserMayNotMakeAsksForAdministratorRights)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the rename as another user";
    Tree t;
    t.file("etc/ppp/peers/home", "");
    fs::create_directories(t.root() / "log");
    ::chmod(t.dir.path().toStdString().c_str(), 0755);
    ::chmod((t.root() / "log").c_str(), 0777);
    auto rename_as_nobody = [&] {
        QProcess probe;
        probe.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"),
                     QStringLiteral(VELMORA_BIN_DIR "/linux-probe"), QStringLiteral("rename"), t.dir.path(),
                     QStringLiteral("home"), QStringLiteral("Дом")});
        probe.waitForFinished(10000);
        return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    };

    EXPECT_EQ(rename_as_nobody(), QStringLiteral("Permission denied")) << "no pkexec: the system's reason";

    script(t, "usr/bin/pkexec", 126); // the user dismissed the password dialog
    EXPECT_EQ(rename_as_nobody(), QStringLiteral("переименование не разрешено"));
    const std::string peers = (t.root() / "etc/ppp/peers").string();
    EXPECT_EQ(read_file(t.root() / "log/args"), QStandardPaths::findExecutable(QStringLiteral("mv")).toStdString() +
                                                    "\n--no-clobber\n--no-target-directory\n--\n" + peers +
                                                    "/home\n" + peers + "/Дом\n");
    EXPECT_TRUE(fs::exists(t.root() / "etc/ppp/peers/home"));
}

TEST(LinuxDialup, EditAndCreateRunPppconfigInATerminal)
{
    Tree t;
    platform::FakeLauncher terminal;
    LinuxDialup dialup(t.root(), &terminal);
    const QString pkexec = QString::fromStdString((t.root() / "usr/bin/pkexec").string());
    const QString pppconfig = QString::fromStdString((t.root() / "usr/sbin/pppconfig").string());

    EXPECT_FALSE(dialup.edit_entry(QStringLiteral("home")));
    const auto notice = dialup.take_phonebook_notice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_TRUE(notice->contains(QStringLiteral("apt install pppconfig")));
    EXPECT_FALSE(dialup.create_entry());
    EXPECT_FALSE(dialup.take_phonebook_notice().has_value()) << "told once";
    EXPECT_TRUE(terminal.in_terminal.empty());

    script(t, "usr/sbin/pppconfig", 0);
    script(t, "usr/bin/pkexec", 0);
    EXPECT_TRUE(dialup.edit_entry(QStringLiteral("home")));
    EXPECT_TRUE(dialup.create_entry());
    EXPECT_EQ(terminal.in_terminal,
              (std::vector<QStringList>{{pkexec, pppconfig, QStringLiteral("home")}, {pkexec, pppconfig}}));

    terminal.succeed = false;
    EXPECT_FALSE(dialup.create_entry());
    EXPECT_TRUE(dialup.take_phonebook_notice().value_or(QString()).contains(QStringLiteral("терминала")));
}
