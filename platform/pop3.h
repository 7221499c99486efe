#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace platform {

struct MailHeaders {
    QString to;           // the first recipient's address
    QString from_address;
    QString from_name;
    QString sender;       // empty when the message has none
    QString subject;
};

// One POP3 session at a time. Every call blocks; a failure leaves its reason in last_error().
class Pop3 {
public:
    virtual ~Pop3() = default;
    virtual bool connect_and_login(const QString &host, int port, const QString &user, const QString &password,
                                   int timeout_ms) = 0;
    virtual std::optional<int> message_count() = 0;
    virtual std::optional<MailHeaders> headers(int message) = 0;
    virtual std::optional<std::int64_t> size(int message) = 0;
    virtual bool remove(int message) = 0;
    // Sends QUIT when still connected and closes the connection.
    virtual void quit() = 0;
    virtual QString last_error() const = 0;
};

} // namespace platform
