#pragma once

#include <QLibrary>

#include "platform/libraries.h"

namespace platform {

// Kolvane.so from the program's own folder, every entry looked up by name at load, so that a
// broken library fails there and no entry is ever called through a null pointer.
class LinuxTariffLibrary : public TariffLibrary {
public:
    // `folder`: where Kolvane.so is; empty for the program's folder.
    explicit LinuxTariffLibrary(QString folder = {});
    ~LinuxTariffLibrary() override;
    bool load() override;
    void unload() override;
    bool loaded() const override { return money_on_time_ != nullptr; }
    std::int32_t show_tarif_form(std::intptr_t app_handle, std::uint8_t provider) override;
    void change_record(std::uint8_t count, const std::uint8_t *names) override;
    float money_on_time(std::uint8_t provider, std::uint8_t call, std::uint8_t *row, double start,
                        double end) override;
    QString last_error() const override { return error_; }

private:
    bool not_loaded(const char *entry);
    void take_error();

    QString folder_;
    QLibrary library_;
    QString error_;
    std::int32_t (*show_tarif_form_)(std::intptr_t, std::uint8_t) = nullptr;
    void (*change_record_)(std::uint8_t, const std::uint8_t *) = nullptr;
    float (*money_on_time_)(std::uint8_t, std::uint8_t, std::uint8_t *, double, double) = nullptr;
    std::int32_t (*last_error_)(char *, std::int32_t) = nullptr;
};

} // namespace platform
