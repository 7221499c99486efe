#include "linux_tariff_library.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

LinuxTariffLibrary::LinuxTariffLibrary(QString folder) : folder_(std::move(folder)) {}

LinuxTariffLibrary::~LinuxTariffLibrary()
{
    unload();
}

bool LinuxTariffLibrary::load()
{
    error_.clear();
    if (loaded())
        return true;
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    library_.setFileName(QDir(folder).filePath(QStringLiteral("Kolvane.so")));
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library_.load()) {
        error_ = library_.errorString();
        return false;
    }
    show_tarif_form_ = reinterpret_cast<decltype(show_tarif_form_)>(library_.resolve("show_tarif_form"));
    change_record_ = reinterpret_cast<decltype(change_record_)>(library_.resolve("change_record"));
    last_error_ = reinterpret_cast<decltype(last_error_)>(library_.resolve("kolvane_last_error"));
    money_on_time_ = reinterpret_cast<decltype(money_on_time_)>(library_.resolve("money_on_time"));
    if (show_tarif_form_ == nullptr || change_record_ == nullptr || last_error_ == nullptr || money_on_time_ == nullptr) {
        const QString missing = library_.fileName() + QStringLiteral(": an entry is missing (") +
                                library_.errorString() + QLatin1Char(')');
        unload();
        error_ = missing;
        return false;
    }
    return true;
}

void LinuxTariffLibrary::unload()
{
    show_tarif_form_ = nullptr;
    change_record_ = nullptr;
    money_on_time_ = nullptr;
    last_error_ = nullptr;
    if (library_.isLoaded())
        library_.unload();
}

bool LinuxTariffLibrary::not_loaded(const char *entry)
{
    if (loaded())
        return false;
    error_ = QStringLiteral("Kolvane.so is not loaded: %1 cannot be called").arg(QLatin1String(entry));
    return true;
}

void LinuxTariffLibrary::take_error()
{
    const std::int32_t size = last_error_(nullptr, 0);
    QByteArray text(size + 1, '\0');
    if (size > 0)
        last_error_(text.data(), size + 1);
    error_ = QString::fromUtf8(text.constData(), size);
}

std::int32_t LinuxTariffLibrary::show_tarif_form(std::intptr_t app_handle, std::uint8_t provider)
{
    if (not_loaded("show_tarif_form"))
        return 0;
    const std::int32_t result = show_tarif_form_(app_handle, provider);
    take_error();
    return result;
}

void LinuxTariffLibrary::change_record(std::uint8_t count, const std::uint8_t *names)
{
    if (not_loaded("change_record"))
        return;
    change_record_(count, names);
    take_error();
}

float LinuxTariffLibrary::money_on_time(std::uint8_t provider, std::uint8_t call, std::uint8_t *row, double start,
                                        double end)
{
    if (not_loaded("money_on_time"))
        return 0;
    const float cost = money_on_time_(provider, call, row, start, end);
    take_error();
    return cost;
}

} // namespace platform
