#pragma once

#include "platform/services.h"

// Services whose Linux side has not been written yet: they report that nothing is there, so
// the program runs as it does on a machine without that device or feature.
namespace platform {

class NoPop3 : public Pop3 {
public:
    bool connect_and_login(const QString &, int, const QString &, const QString &, int) override { return false; }
    std::optional<int> message_count() override { return std::nullopt; }
    std::optional<MailHeaders> headers(int) override { return std::nullopt; }
    std::optional<std::int64_t> size(int) override { return std::nullopt; }
    bool remove(int) override { return false; }
    void quit() override {}
    QString last_error() const override { return QStringLiteral("no mail support"); }
};

class NoReportLibrary : public ReportLibrary {
public:
    bool load() override { return false; }
    void unload() override {}
    bool loaded() const override { return false; }
    void show_report_form(std::intptr_t, const std::uint8_t *, const QByteArray &, const QByteArray &) override {}
    QString last_error() const override { return QStringLiteral("Report.so: not available yet"); }
};

} // namespace platform
