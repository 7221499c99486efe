#include "linux_single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {
namespace {

constexpr char kActivate[] = "activate\n";

} // namespace

LinuxSingleInstance::LinuxSingleInstance(QString socket_name) : socket_name_(std::move(socket_name))
{
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket *peer = server_.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                if (peer->readAll().contains("activate") && handler_)
                    handler_();
            });
        }
    });
}

QString LinuxSingleInstance::socket_path() const
{
    // XDG_RUNTIME_DIR, or else a folder Qt makes private to the user (mode 0700, owner checked).
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(socket_name_);
}

bool LinuxSingleInstance::claim()
{
    const QString path = socket_path();
    // Two programs started at the same moment must not both become the first.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.lock();

    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(1000)) {
        probe.write(kActivate);
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left over from a program that did not end cleanly.
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(path);
    return true;
}

} // namespace platform
