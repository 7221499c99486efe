#pragma once

#include <filesystem>
#include <optional>
#include <set>

#include "platform/dialup.h"
#include "platform/launcher.h"

namespace platform {

// Dial-up over pppd: the phonebook is /etc/ppp/peers, a connection is a pppd whose PPP interface
// is up, its handle that pppd's process id. Everything is read under `root` except the checks
// before a hang-up, which look at the real process. Entries are edited and created by Debian's
// pppconfig in a terminal that `terminal` starts; without one they cannot be.
class LinuxDialup : public Dialup {
public:
    explicit LinuxDialup(std::filesystem::path root, Launcher *terminal = nullptr);

    std::vector<ActiveConnection> active_connections() override;
    ConnectionHandle first_link(ConnectionHandle connection) override { return connection; }
    std::optional<IpProjection> ip_projection(ConnectionHandle connection) override;
    std::optional<LinkStatistics> statistics(ConnectionHandle connection) override;
    std::optional<QString> hang_up(ConnectionHandle link) override;

    std::vector<QString> phonebook_entries() override;
    QString phonebook_path() override;
    bool is_valid_new_entry_name(const QString &name) override;
    std::optional<QString> rename_entry(const QString &old_name, const QString &new_name) override;
    bool edit_entry(const QString &name) override;
    bool create_entry() override;

    std::optional<QString> take_phonebook_notice() override;

private:
    struct Link {
        std::string interface;
        long pid;
        QString entry;
        std::vector<std::string> arguments;
    };
    std::vector<Link> links();
    std::optional<Link> link_of(ConnectionHandle handle);
    std::int64_t line_speed(const Link &link);
    bool run_pppconfig(const QStringList &arguments);
    std::optional<QString> rename_as_administrator(const std::filesystem::path &from, const std::filesystem::path &to);
    // Each notice is given once per run.
    void tell_once(const QString &notice);

    std::filesystem::path root_;
    Launcher *terminal_;
    std::optional<QString> notice_;
    std::set<QString> told_;
};

// The entry a pppd serves, from its arguments: "call NAME", else "file PATH" (its file name),
// else "linkname NAME"; empty when none.
QString pppd_entry(const std::vector<std::string> &arguments);

// A process's command line: NUL-separated, or one text with blanks (a renamed process).
std::vector<std::string> split_cmdline(const std::string &raw);

} // namespace platform
