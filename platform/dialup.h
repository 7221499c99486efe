#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

namespace platform {

using ConnectionHandle = std::int64_t; // 0 = none

struct ActiveConnection {
    QString entry_name;
    ConnectionHandle handle;
};

struct IpProjection {
    QString client_ip;
    QString server_ip;
};

struct LinkStatistics {
    std::int64_t bytes_in;  // since the link came up
    std::int64_t bytes_out;
    std::int64_t speed_bps; // 0 when unknown
};

// Dial-up connections and the phonebook of dial-up entries.
class Dialup {
public:
    virtual ~Dialup() = default;
    virtual std::vector<ActiveConnection> active_connections() = 0;
    // The first link of a connection, 0 when it has none.
    virtual ConnectionHandle first_link(ConnectionHandle connection) = 0;
    virtual std::optional<IpProjection> ip_projection(ConnectionHandle connection) = 0;
    virtual std::optional<LinkStatistics> statistics(ConnectionHandle connection) = 0;
    // Nothing on success, else the reason.
    virtual std::optional<QString> hang_up(ConnectionHandle link) = 0;

    // Phonebook entries in list order.
    virtual std::vector<QString> phonebook_entries() = 0;
    virtual QString phonebook_path() = 0;
    virtual bool is_valid_new_entry_name(const QString &name) = 0;
    virtual std::optional<QString> rename_entry(const QString &old_name, const QString &new_name) = 0;
    // Open the system's editor for an entry, or for a new one; false when it cannot be started.
    virtual bool edit_entry(const QString &name) = 0;
    virtual bool create_entry() = 0;
    // Why the phonebook could not be read, given once; nothing when it could or was told already.
    virtual std::optional<QString> take_phonebook_notice() = 0;
};

} // namespace platform
