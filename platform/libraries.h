#pragma once

#include <cstdint>

#include <QByteArray>
#include <QString>

namespace platform {

// The tariff library, loaded around its use. Entries may be called only while loaded.
class TariffLibrary {
public:
    virtual ~TariffLibrary() = default;
    // False when the library or one of its entries cannot be found; the reason is in last_error().
    virtual bool load() = 0;
    virtual void unload() = 0;
    virtual bool loaded() const = 0;
    virtual std::int32_t show_tarif_form(std::intptr_t app_handle, std::uint8_t provider) = 0;
    virtual void change_record(std::uint8_t count, const std::uint8_t *names) = 0;
    virtual float money_on_time(std::uint8_t provider, std::uint8_t call, std::uint8_t *row, double start,
                                double end) = 0;
    // The failure of the last load or entry, empty when it succeeded.
    virtual QString last_error() const = 0;
};

// The report library, loaded for the length of one report window.
class ReportLibrary {
public:
    virtual ~ReportLibrary() = default;
    virtual bool load() = 0;
    virtual void unload() = 0;
    virtual bool loaded() const = 0;
    // `names`: nine 51-byte name slots; the card texts in Windows-1251.
    virtual void show_report_form(std::intptr_t app_handle, const std::uint8_t *names, const QByteArray &card1,
                                  const QByteArray &card2) = 0;
    virtual QString last_error() const = 0;
};

} // namespace platform
