#include "linux_power.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

LinuxPower::LinuxPower(QString fallback_program, QStringList fallback_arguments, QString bus_address)
    : fallback_program_(std::move(fallback_program)), fallback_arguments_(std::move(fallback_arguments)),
      bus_address_(std::move(bus_address))
{
}

bool LinuxPower::power_off(bool)
{
    // Not interactive: a password prompt would wait while the timer's user is away. The
    // session's programs still get their stop signal, so a forced end is not asked for.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;
    const QDBusConnection bus =
        bus_address_.isEmpty() ? QDBusConnection::systemBus()
                               : QDBusConnection::connectToBus(bus_address_, QStringLiteral("velmora-power"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 10000);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    error_ = reply.errorMessage();

    const QString program = QStandardPaths::findExecutable(fallback_program_);
    if (program.isEmpty())
        return false;
    QProcess command;
    command.start(program, fallback_arguments_);
    if (command.waitForFinished(30000) && command.exitStatus() == QProcess::NormalExit && command.exitCode() == 0)
        return true;
    error_ = QString::fromLocal8Bit(command.readAllStandardError()).trimmed();
    return false;
}

} // namespace platform
