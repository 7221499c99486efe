#pragma once

#include <QString>
#include <QStringList>

#include "platform/power.h"

namespace platform {

// Power-off through logind on the system bus; where that is refused or missing, a command.
class LinuxPower : public Power {
public:
    // The command tried when logind fails, and the bus logind is asked on (empty: the system
    // bus); tests give a harmless command and a private bus.
    explicit LinuxPower(QString fallback_program = QStringLiteral("systemctl"),
                        QStringList fallback_arguments = {QStringLiteral("poweroff")}, QString bus_address = {});
    bool power_off(bool force) override;
    // Why the last request failed.
    QString last_error() const { return error_; }

private:
    QString fallback_program_;
    QStringList fallback_arguments_;
    QString bus_address_;
    QString error_;
};

} // namespace platform
