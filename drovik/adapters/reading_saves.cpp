// Saved readings of the cards: when they are taken, the save modes, clearing, and the exit save.
#include <utility>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>

#include "datastore/formats.h"
#include "datastore/qt_time.h"
#include "drovik/Unit1.h"
#include "drovik/adapters/card_logic.h"
#include "drovik/shell/timers.h"

void TForm1::Record_Ethernet(int card, bool at_exit)
{
    auto &adapters = data_->adapters;
    if (datastore::reading_count(adapters, card) > kCalibrationOfferAbove)
        suiButton2Click();
    if (card_saved[static_cast<std::size_t>(card - 1)] || settings().net_watch_off != 0)
        return;
    const InterfaceSnapshot snapshot = take_snapshot();
    const int position = find_card(snapshot, adapters, card);
    if (position == 0)
        return;
    const datastore::TDateTime now = svc_.clock.now();
    const int entry =
        keep_reading(adapters, card, snapshot.rows[static_cast<std::size_t>(position - 1)], now, at_exit);
    cards[static_cast<std::size_t>(card - 1)].saved->setText(QStringLiteral("Запись сохранена ") +
                                                             datastore::Formats::russian().date_time_text(now));
    card_saved[static_cast<std::size_t>(card - 1)] = true;
    svc_.tray.show_balloon(QStringLiteral("Запись информации"), QStringLiteral("для сетевой карты проведена успешно"),
                           platform::BalloonIcon::Information, 20);
    // Told once per card and run, not at every save of a store that stays nearly full.
    if (entry > kReadingsWarnAbove && !std::exchange(store_warning_told_[static_cast<std::size_t>(card - 1)], true)) {
        svc_.dialogs.message(
            QStringLiteral("Необходимо сохранение информации о сетевых платах! Достигнут предел базы"),
            platform::MessageIcon::Information, platform::MessageButtons::Ok);
    }
}

void TForm1::Card1Timer()
{
    Record_Ethernet(1, false);
}

void TForm1::Card2Timer()
{
    Record_Ethernet(2, false);
}

void TForm1::adapter_save_schedule()
{
    const QString now = datastore::Formats::russian().time_text(svc_.clock.now());
    for (int n = 1; n <= 2; ++n) {
        const std::string_view mode = datastore::save_mode(data_->adapters, n).bytes();
        set_running(cards[static_cast<std::size_t>(n - 1)].timer, mode == kSaveEveryHours);
        if (mode == kSaveDaily && datastore::card_save_param(settings(), n).text() == now)
            Record_Ethernet(n, false);
        else
            card_saved[static_cast<std::size_t>(n - 1)] = false;
    }
}

void TForm1::save_exit_readings()
{
    Record_Ethernet(1, true);
    Record_Ethernet(2, true);
}

void TForm1::save_every_hours(int n)
{
    datastore::save_mode(data_->adapters, n).assign_bytes(kSaveEveryHours);
    hours_changed(n);
}

void TForm1::save_daily(int n)
{
    datastore::save_mode(data_->adapters, n).assign_bytes(kSaveDaily);
    time_changed(n);
}

void TForm1::save_at_exit(int n)
{
    datastore::save_mode(data_->adapters, n).assign_bytes(kSaveAtExit);
}

void TForm1::hours_changed(int n)
{
    const CardControls &card = cards[static_cast<std::size_t>(n - 1)];
    datastore::card_save_param(settings(), n).assign(card.hours->currentText());
    if (const auto hours = save_hours(card.hours->currentText()))
        card.timer->setInterval(*hours * 3600000);
}

void TForm1::time_changed(int n)
{
    const CardControls &card = cards[static_cast<std::size_t>(n - 1)];
    datastore::card_save_param(settings(), n).assign(
        datastore::Formats::russian().time_text(datastore::to_tdatetime(card.time->time())));
}

void TForm1::RadioButton3Click() { save_every_hours(1); }
void TForm1::RadioButton1Click() { save_daily(1); }
void TForm1::RadioButton2Click() { save_at_exit(1); }
void TForm1::ComboBox1Change() { hours_changed(1); }
void TForm1::DateTimeP1Change() { time_changed(1); }
void TForm1::RadioButton6Click() { save_every_hours(2); }
void TForm1::RadioButton4Click() { save_daily(2); }
void TForm1::RadioButton5Click() { save_at_exit(2); }
void TForm1::ComboBox2Change() { hours_changed(2); }
void TForm1::DateTimeP2Change() { time_changed(2); }

void TForm1::TabSheet2Show()
{
    for (int n = 1; n <= 2; ++n) {
        const CardControls &card = cards[static_cast<std::size_t>(n - 1)];
        const std::string_view mode = datastore::save_mode(data_->adapters, n).bytes();
        const QString param = datastore::card_save_param(settings(), n).text();
        if (mode == kSaveEveryHours) {
            card.hours->setCurrentText(param);
            card.every->setChecked(true);
        } else if (mode == kSaveDaily) {
            if (const auto time = datastore::Formats::russian().parse_time(param))
                card.time->setTime(datastore::to_qtime(*time));
            card.daily->setChecked(true);
        } else if (mode == kSaveAtExit) {
            card.at_exit->setChecked(true);
        }
    }
}

void TForm1::copy_card_save_params()
{
    for (int n = 1; n <= 2; ++n) {
        const CardControls &card = cards[static_cast<std::size_t>(n - 1)];
        if (card.every->isChecked())
            datastore::card_save_param(settings(), n).assign(card.hours->currentText());
        else if (card.daily->isChecked())
            time_changed(n);
    }
}

void TForm1::clear_card(int n)
{
    set_reading_count(data_->adapters, n, 0);
    datastore::card_exit_costs(data_->adapters, n) = {0, 0};
    svc_.dialogs.message(QStringLiteral("Статистика для этой карты очищена"), platform::MessageIcon::None,
                         platform::MessageButtons::Ok);
}

void TForm1::Button3Click() { clear_card(1); }
void TForm1::Button8Click() { clear_card(2); }
