// The dial-up session as the monitor watches it: start, every tick, end and logging.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "datastore/formats.h"
#include "drovik/Unit1.h"
#include "drovik/monitor/call_logging.h"
#include "drovik/monitor/forecast.h"
#include "drovik/monitor/month_bill.h"

namespace {

// A byte count with its digits grouped in threes, as the Russian convention writes them.
QString grouped(std::int64_t value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QChar(0x00A0));
    return value < 0 ? QStringLiteral("-") + digits : digits;
}

} // namespace

float TForm1::price_now(int p, std::uint8_t call, datastore::TDateTime end)
{
    if (!svc_.tariff_library.loaded())
        return 0;
    const float cost = svc_.tariff_library.money_on_time(static_cast<std::uint8_t>(p), call, &current_row,
                                                         session_start, end);
    if (!svc_.tariff_library.last_error().isEmpty()) {
        tell_tariff_failure();
        return 0;
    }
    return cost;
}

void TForm1::session_start_steps()
{
    Button21->show();
    Image13->show();
    Image14->hide();
    Hint1->setEnabled(true);
    N23->setEnabled(true);
    session_start = svc_.clock.now();
    svc_.tray.set_image(platform::TrayImage::Online);
    forget_told_tariff_failure();
    const QString name = Name_prov();
    GroupBox2->setTitle(QStringLiteral("Статистика активного подключения к ") + name);
    write_all_records();
    loaddll();
}

void TForm1::show_balloon_forecast(const QString &title, bool error)
{
    svc_.tray.show_balloon(title, QStringLiteral("Прогноз отключения") + mail_status,
                           error ? platform::BalloonIcon::Error : platform::BalloonIcon::Information, 10);
}

void TForm1::WorkInet()
{
    using namespace datastore;
    const int p = current_provider;
    if (p < 1 || p > kSlots)
        return;
    const Formats &f = Formats::russian();
    const auto stats = svc_.dialup.statistics(conn_handle);
    session_bytes_in = stats ? static_cast<std::int32_t>(stats->bytes_in) : 0;
    session_bytes_out = stats ? static_cast<std::int32_t>(stats->bytes_out) : 0;
    session_speed = stats ? static_cast<std::int32_t>(std::min<std::int64_t>(stats->speed_bps, INT32_MAX)) : 0;
    Label23->setText(QStringLiteral("Байт принято: ") + grouped(session_bytes_in) + QStringLiteral("   Байт отправлено: ") +
                     grouped(session_bytes_out));

    ProviderRecord &providers = data_->providers;
    const bool month = provider_flags(providers, p).show_month_bill != 0;
    double earlier = 0;
    float base = 0;
    if (month) {
        now_month(providers, data_->calls, p, svc_.clock.now());
        earlier = f.parse_time(provider_texts(providers, p).month_time.text()).value_or(0);
        base = provider_numbers(providers, p).month_cost;
    } else {
        const int calls = call_count(providers, p);
        earlier = calls > 0 ? total_time(data_->calls, p, calls) : 0;
        base = provider_numbers(providers, p).balance;
    }
    session_now = svc_.clock.now();
    session_duration = session_now - session_start;
    Label14->setText(f.time_text(session_duration));
    Label13->setText(f.time_text(session_duration + earlier));

    const bool hints = settings().clock_hint == 1 && clock_hint_active;
    if (settings().live_calc == 1) {
        const float cost = price_now(p, 0, session_now);
        const bool credit = provider_flags(providers, p).credit != 0;
        const auto remaining = static_cast<float>(credit ? base + cost : base - cost);
        Label17->setText(QStringLiteral("Сумма на счете - ") + QString::number(remaining, 'f', 3));
        // A row the pricing could not name has no price: show 0 and no forecast.
        const float price = current_row >= 1 && current_row <= kTariffRows ? hour_price(data_->tariff, p, current_row) : 0;
        Label18->setText(QStringLiteral("Текущий тариф - ") + realtostr(3, price));
        const float hours = price != 0 ? remaining / price : 0;
        const int ms = decode_time(svc_.clock.now()).msec;
        if (credit) {
            const Forecast forecast = hour_pay(hours);
            if (ms < 100 && hints)
                show_balloon_forecast(forecast.text, false);
        } else if (hours > 0) {
            const Forecast forecast = hour_pay(hours);
            Label15->setText(forecast.text);
            const double five = encode_time({0, 5, 0, 0});
            const double ten = encode_time({0, 10, 0, 0});
            if (settings().warn_5min == 1 && forecast.days == 0 && forecast.time == five && ms < 100) {
                svc_.dialogs.message(QStringLiteral("Возможно до отключения осталось менее 5 минут!"),
                                     platform::MessageIcon::Information, platform::MessageButtons::Ok);
            }
            if (ms < 100 && hints && forecast.time != ten)
                show_balloon_forecast(forecast.text, forecast.time < ten);
        }
    } else {
        Change_prov(p);
        Label17->setText(realtostr(3, provider_numbers(providers, p).balance));
    }

    if (settings().mail_check == 1) {
        if (f.time_text(session_duration) == QStringLiteral("0:00:02"))
            mailTimer();
        enable_mail_timer(true);
    } else {
        enable_mail_timer(false);
    }
}

void TForm1::reset_session_labels()
{
    Label14->setText(QStringLiteral("0:00:00"));
    Label13->setText(QStringLiteral("0:00:00"));
    Label15->setText(QStringLiteral("0 сут. 0:00:00"));
    Label17->setText(QStringLiteral("Сумма на счете - 0"));
    Label18->setText(QStringLiteral("Текущий тариф - 0"));
    Label23->setText(QStringLiteral("Байт принято: 0   Байт отправлено: 0"));
}

void TForm1::session_end_steps()
{
    unloaddll();
    Button21->hide();
    Image13->hide();
    Image14->show();
    mail_session_ended();
    N23->setEnabled(false);
    mail_status.clear();
    Hint1->setEnabled(false);
    GroupBox2->setTitle(QStringLiteral("Статистика активного подключения"));
    svc_.tray.set_image(platform::TrayImage::Idle);
    Workwithoutinet();
    reset_session_state();
}

void TForm1::reset_session_state()
{
    online = false;
    session_bytes_in = 0;
    session_bytes_out = 0;
    session_speed = 1000000;
    session_start = 10.0;
    session_now = 1.0;
}

void TForm1::Workwithoutinet()
{
    svc_.tray.hide_balloon();
    const int p = current_provider;
    if (session_speed == 0 || p < 1 || p > datastore::kSlots)
        return;
    const LoggedCall entry = next_log_entry(data_->providers, p);
    if (entry.limit_warning) {
        svc_.dialogs.message(QStringLiteral("Необходимо сохранение информации о модемах! Достигнут предел базы"),
                             platform::MessageIcon::Information, platform::MessageButtons::Ok);
    }
    // The hang-up pricing loads the library once more; without it the call is logged at no cost.
    write_all_records();
    float cost = 0;
    if (loaddll()) {
        cost = price_now(p, static_cast<std::uint8_t>(entry.entry), session_now);
        unloaddll();
    }
    log_call(data_->providers, data_->calls, p, entry.entry,
             {session_start, session_now, session_bytes_in, session_bytes_out, session_speed}, cost);
    reset_session_labels();
    Change_prov(p);
    save_call();
    save_prov();
}
