#pragma once

#include <QString>

#include "platform/registry.h"

namespace platform {

// The few system switches the program keeps, in an INI file of its own: groups are keys,
// entries are values.
class LinuxRegistry : public Registry {
public:
    // Default: "velmora-xp/registry.ini" in the user's configuration folder.
    explicit LinuxRegistry(QString file = {});
    std::optional<std::uint32_t> read(const QString &key, const QString &value) override;
    bool write(const QString &key, const QString &value, std::uint32_t data) override;

private:
    QString file_;
};

} // namespace platform
