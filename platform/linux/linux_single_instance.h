#pragma once

#include <QLocalServer>
#include <QString>

#include "platform/single_instance.h"

namespace platform {

// A local socket in the user's runtime folder: the first program listens on it, a later start
// connects, asks the first to come forward and ends.
class LinuxSingleInstance : public SingleInstance {
public:
    // `socket_name`: the socket's file name inside the runtime folder.
    explicit LinuxSingleInstance(QString socket_name = QStringLiteral("velmora-xp.socket"));
    bool claim() override;
    void on_activation_request(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    QString socket_path() const;

    QString socket_name_;
    QLocalServer server_;
    std::function<void()> handler_;
};

} // namespace platform
