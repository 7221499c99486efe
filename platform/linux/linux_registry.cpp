#include "linux_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace platform {
namespace {

QString entry(const QString &key, const QString &value)
{
    // QSettings treats "/" as a level and escapes "\"; the key keeps its own spelling in the group.
    return key + QLatin1Char('/') + value;
}

} // namespace

LinuxRegistry::LinuxRegistry(QString file) : file_(std::move(file))
{
    if (file_.isEmpty()) {
        file_ = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                    .filePath(QStringLiteral("velmora-xp/registry.ini"));
    }
}

std::optional<std::uint32_t> LinuxRegistry::read(const QString &key, const QString &value)
{
    const QSettings ini(file_, QSettings::IniFormat);
    const QVariant stored = ini.value(entry(key, value));
    bool ok = false;
    const std::uint32_t data = stored.toUInt(&ok);
    if (!stored.isValid() || !ok)
        return std::nullopt;
    return data;
}

bool LinuxRegistry::write(const QString &key, const QString &value, std::uint32_t data)
{
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings ini(file_, QSettings::IniFormat);
    ini.setValue(entry(key, value), data);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

} // namespace platform
