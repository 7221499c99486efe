// The connection monitor, the provider check and the panel on the real window, tick by tick,
// over the fake dial-up service, clock and tariff library.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "monitor_fixture.h"

using namespace datastore;
using platform::Answer;

TEST_F(Monitor, ASessionFromFirstTickToHangUpIsLoggedOnce)
{
    connect_line();
    tick();
    ASSERT_TRUE(form->online);
    EXPECT_EQ(form->current_provider, 2);
    EXPECT_EQ(fakes.clock.waits, std::vector<int>{2000});
    EXPECT_EQ(form->GroupBox2->title(), QStringLiteral("Статистика активного подключения к Работа"));
    EXPECT_FALSE(form->Button21->isHidden());
    EXPECT_TRUE(form->N23->isEnabled());
    EXPECT_EQ(fakes.tray.image, platform::TrayImage::Online);
    EXPECT_TRUE(fakes.tariff_library.loaded());
    EXPECT_EQ(provider_texts(form->data().providers, 2).server_ip.bytes(), "195.34.10.9");
    EXPECT_EQ(text("Label14"), QStringLiteral("0:00:02"));
    EXPECT_EQ(text("Label23"), QStringLiteral("Байт принято: 2\u00A0097\u00A0152   Байт отправлено: 1\u00A0048\u00A0576"));

    minutes(30);
    tick();
    EXPECT_EQ(text("Label14"), QStringLiteral("0:30:02"));
    EXPECT_EQ(text("Label18"), QStringLiteral("Текущий тариф - 30.000"));
    EXPECT_TRUE(text("Label17").startsWith(QStringLiteral("Сумма на счете - 4.98")));

    fakes.dialup.connections.clear();
    minutes(1);
    tick();
    EXPECT_FALSE(form->online);
    EXPECT_FALSE(fakes.tariff_library.loaded());
    EXPECT_EQ(fakes.tray.image, platform::TrayImage::Idle);
    EXPECT_EQ(text("Label14"), QStringLiteral("0:00:00"));
    EXPECT_EQ(text("Label15"), QStringLiteral("0 сут. 0:00:00"));
    EXPECT_EQ(fakes.tariff_library.pricing_calls.back().call, 1) << "the hang-up pricing names the entry";

    const auto d = on_disk();
    EXPECT_EQ(next_call(d->providers, 2), 2);
    EXPECT_EQ(call_start(d->calls, 2, 1), compose({2026, 12, 8}, {10, 0, 0, 50}));
    EXPECT_EQ(call_end(d->calls, 2, 1), compose({2026, 12, 8}, {10, 30, 2, 50}));
    EXPECT_NEAR(call_cost(d->calls, 2, 1), 15.0167f, 0.001); // 30 min 2 s at 30 per hour
    EXPECT_EQ(call_speed(d->calls, 2, 1), 49664);
    EXPECT_EQ(bytes_in(d->calls, 2, 1), 2097152.0f);
    EXPECT_NEAR(provider_numbers(d->providers, 2).balance, 4.9833f, 0.001);
}

TEST_F(Monitor, NoSpeedLogsNothing)
{
    fakes.dialup.stats[kHandle].speed_bps = 0;
    connect_line();
    tick();
    minutes(5);
    tick();
    fakes.dialup.connections.clear();
    tick();
    EXPECT_FALSE(form->online);
    EXPECT_EQ(next_call(form->data().providers, 2), 0);
    EXPECT_EQ(provider_numbers(form->data().providers, 2).balance, 20.0f);
}

TEST_F(Monitor, TwoConnectionsOrModemWatchingOffEndTheSession)
{
    connect_line();
    tick();
    fakes.dialup.connections.push_back({QStringLiteral("Дом"), 8});
    tick();
    EXPECT_FALSE(form->online);
    EXPECT_EQ(next_call(form->data().providers, 2), 2);

    fakes.dialup.connections.pop_back();
    tick();
    ASSERT_TRUE(form->online);
    form->settings().modem_watch_off = 1;
    tick();
    EXPECT_FALSE(form->online);
    EXPECT_EQ(next_call(form->data().providers, 2), 3);
}

TEST_F(Monitor, TheLogLimitIsToldBeforeLogging)
{
    set_next_call(form->data().providers, 2, 491);
    connect_line();
    tick();
    fakes.dialup.connections.clear();
    tick();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("Необходимо сохранение информации о модемах! Достигнут предел базы"));
    EXPECT_EQ(next_call(form->data().providers, 2), 492);
}

TEST_F(Monitor, TheFiveMinuteWarningComesOnceAtExactlyFiveMinutes)
{
    form->settings().warn_5min = 1;
    // Left after the running cost: 2.5 at 30 per hour is 0:05:00.
    fakes.tariff_library.pricing = [](const platform::TariffCall &, std::uint8_t *row) {
        *row = 1;
        return 17.5f;
    };
    connect_line();
    tick();
    EXPECT_EQ(text("Label15"), QStringLiteral("0 cут. 0:05:00"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Возможно до отключения осталось менее 5 минут!"));
    fakes.clock.advance_ms(500); // later in the same second: not in its first tenth
    tick();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);

    // A day and five minutes is no warning.
    provider_numbers(form->data().providers, 2).balance = 740;
    fakes.clock.advance_ms(500);
    tick();
    EXPECT_EQ(text("Label15"), QStringLiteral("1 cут. 0:05:00"));
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
}

TEST_F(Monitor, BalloonsEitherSideOfTenMinutes)
{
    form->settings().clock_hint = 1;
    form->clock_hint_active = true;
    float left = 0;
    fakes.tariff_library.pricing = [&](const platform::TariffCall &, std::uint8_t *row) {
        *row = 1;
        return 20 - left;
    };
    connect_line();
    const struct {
        float left;
        std::size_t balloons;
        platform::BalloonIcon icon;
    } cases[] = {
        {30.0f * (9 + 59.0f / 60) / 60, 1, platform::BalloonIcon::Error},
        {30.0f * 10 / 60, 1, platform::BalloonIcon::Error}, // exactly 0:10:00: none (count stays)
        {30.0f * (10 + 1.0f / 60) / 60, 2, platform::BalloonIcon::Information},
    };
    for (const auto &c : cases) {
        left = c.left;
        fakes.clock.advance_ms(1000);
        tick();
        ASSERT_EQ(fakes.tray.balloons.size(), c.balloons) << c.left;
        EXPECT_EQ(fakes.tray.balloons.back().icon, c.icon);
        EXPECT_EQ(fakes.tray.balloons.back().text, QStringLiteral("Прогноз отключения"));
    }
}

TEST_F(Monitor, ATickDuringAMessageBoxDoesNothing)
{
    set_next_call(form->data().providers, 2, 495);
    connect_line();
    tick();
    fakes.dialup.connections.clear();
    int inner = 0;
    fakes.dialogs.on_message = [&](const platform::ShownMessage &) {
        ++inner;
        tick(); // a timer fires while the box is open
        return Answer::Ok;
    };
    tick();
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(next_call(form->data().providers, 2), 496) << "one session, one entry";
}

TEST_F(Monitor, TheGuardRefusesAForeignServerAndMayRememberIt)
{
    form->settings().foreign_call_guard = 1;
    fakes.dialup.projections[kHandle].server_ip = QStringLiteral("195.34.11.7");
    fakes.dialogs.answers = {Answer::Yes};
    connect_line();
    tick();
    EXPECT_EQ(fakes.dialup.hang_ups, std::vector<platform::ConnectionHandle>{kHandle});
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(provider_texts(form->data().providers, 2).server_ip.bytes(), "195.34.11.7");
    EXPECT_EQ(form->GroupBox2->title(), QStringLiteral("Статистика активного подключения к "));
}

TEST_F(Monitor, ALoopbackServerIsHungUpSilently)
{
    fakes.dialup.projections[kHandle].server_ip = QStringLiteral("127.0.0.1");
    connect_line();
    tick();
    EXPECT_EQ(fakes.dialup.hang_ups.size(), 1u);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(provider_texts(form->data().providers, 2).server_ip.bytes(), "195.34.10.7");
}

TEST_F(Monitor, AnUnknownEntryEndsTheProgram)
{
    fakes.dialup.connections = {{QStringLiteral("Чужой"), kHandle}};
    tick();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Программная ошибка определения провайдера!"));
    EXPECT_TRUE(form->ending());
}

TEST_F(Monitor, AGrownPhonebookRebuildsTheSlotsOnce)
{
    fakes.dialup.entries.push_back(QStringLiteral("Новый"));
    form->check_prov();
    ASSERT_EQ(fakes.tariff_library.name_lists.size(), 1u);
    EXPECT_EQ(fakes.tariff_library.name_lists[0],
              (std::vector<QByteArray>{QByteArray(to_cp1251(QStringLiteral("Дом")).c_str()),
                                       QByteArray(to_cp1251(QStringLiteral("Работа")).c_str()),
                                       QByteArray(to_cp1251(QStringLiteral("Новый")).c_str())}));
    EXPECT_EQ(form->lstEntries->count(), 3);

    form->settings().provider_count = 0;
    form->check_prov();
    EXPECT_EQ(fakes.tariff_library.name_lists.size(), 1u) << "never calibrated: nothing rebuilt";

    fakes.dialup.entries.clear();
    form->check_prov();
    EXPECT_TRUE(form->GroupBox1->isHidden());
}

class Panel : public Monitor {
protected:
    void extra(DataSet &d) override
    {
        set_next_call(d.providers, 1, 4);
        call_start(d.calls, 1, 3) = compose({2026, 12, 7}, {21, 15, 0, 0});
        total_time(d.calls, 1, 3) = encode_time({2, 30, 0, 0});
        hour_price(d.tariff, 1, 1) = 1.0f;
        hour_price(d.tariff, 1, 8) = 3.0f;
        provider_texts(d.providers, 1).server_ip.assign(QStringLiteral("10.1.1.1"));
    }
};

TEST_F(Panel, ShowsTheProvidersFigures)
{
    form->Change_prov(1);
    EXPECT_EQ(form->GroupBox1->title(), QStringLiteral("Информация о Дом"));
    EXPECT_EQ(text("Label12"), QStringLiteral("3"));
    EXPECT_EQ(text("Label45"), QStringLiteral("07.12.2026 21:15:00"));
    EXPECT_EQ(text("Label6"), QStringLiteral("2:30:00"));
    EXPECT_EQ(text("Label8"), QStringLiteral("20.000 >> общая <<"));
    EXPECT_EQ(text("Label43"), QStringLiteral("0 cут. 20:00:00")) << "row 8 does not count";
    EXPECT_EQ(text("Label62"), QStringLiteral("IP адрес: 10.1.1.1"));
    EXPECT_TRUE(form->Image9->isHidden());

    provider_numbers(form->data().providers, 1).balance = 0;
    provider_flags(form->data().providers, 1).credit = 1;
    form->Change_prov(1);
    EXPECT_FALSE(form->Image9->isHidden());
    EXPECT_EQ(text("Label43"), QStringLiteral("В кредит"));
}

TEST_F(Panel, TheMonthsBillAndClicksDuringASession)
{
    form->current_provider = 1;
    form->suiCheckBox3->click();
    EXPECT_EQ(provider_flags(form->data().providers, 1).show_month_bill, 1);
    EXPECT_EQ(provider_flags(form->data().providers, 2).show_month_bill, 0);
    EXPECT_EQ(text("Label8"), QStringLiteral("0 >> за текущий месяц <<"));

    form->check_prov();
    connect_line();
    tick();
    form->lstEntries->setCurrentRow(0);
    form->lstEntries1Click();
    EXPECT_EQ(form->current_provider, 2) << "the panel stays on the running connection";
}

#include <filesystem>

#include "platform/linux/linux_tariff_library.h"

// The program's side and the built library agree: a session priced and logged through Kolvane.so,
// which reads the files the window wrote into the current folder.
TEST_F(FormTest, ASessionPricedByTheRealLibrary)
{
    auto data = make_data_set();
    provider_texts(data->providers, 1).name.assign(QStringLiteral("Дом"));
    data->providers.slot_map[0] = 1;
    provider_numbers(data->providers, 1).balance = 20;
    hour_price(data->tariff, 1, 1) = 30;
    row_end(data->tariff, 1, 1) = encode_time({23, 59, 59, 0});
    data->settings.provider_count = 1;
    data->settings.live_calc = 1;
    ASSERT_TRUE(save_all(*data, folder()).empty());

    const auto old_dir = std::filesystem::current_path();
    std::filesystem::current_path(folder());
    platform::LinuxTariffLibrary kolvane(QStringLiteral(VELMORA_BIN_DIR));
    TForm1 f(fakes.services({.tariff_library = &kolvane}), folder());
    f.Timer1->stop();
    fakes.dialup.entries = {QStringLiteral("Дом")};
    fakes.dialup.connections = {{QStringLiteral("Дом"), 3}};
    fakes.dialup.stats[3] = {100, 50, 57600};
    fakes.clock.time = compose({2026, 12, 8}, {10, 0, 0, 0});
    f.Timer1Timer();
    fakes.clock.advance_ms(30 * 60000 - 2000); // half an hour after the session began
    f.Timer1Timer();
    EXPECT_EQ(f.findChild<QLabel *>(QStringLiteral("Label17"))->text(), QStringLiteral("Сумма на счете - 5.000"));
    fakes.dialup.connections.clear();
    f.Timer1Timer();
    std::filesystem::current_path(old_dir);

    EXPECT_TRUE(fakes.dialogs.messages.empty()) << fakes.dialogs.messages[0].text.toStdString();
    EXPECT_FLOAT_EQ(call_cost(f.data().calls, 1, 1), 15.0f);
    EXPECT_FLOAT_EQ(provider_numbers(f.data().providers, 1).balance, 5.0f);
    EXPECT_EQ(f.current_row, 1);
}

TEST_F(Monitor, WithoutTheTariffLibraryTheCallIsStillLoggedAndToldOncePerSession)
{
    fakes.tariff_library.loadable = false;
    for (int session = 0; session < 2; ++session) {
        connect_line();
        tick();
        fakes.clock.advance_ms(1000);
        tick();
        EXPECT_EQ(text("Label18"), QStringLiteral("Текущий тариф - 0")) << "no row, no price";
        EXPECT_EQ(text("Label15"), QStringLiteral("0 сут. 0:00:00")) << "and no forecast";
        fakes.dialup.connections.clear();
        tick();
    }
    EXPECT_EQ(next_call(form->data().providers, 2), 3);
    EXPECT_EQ(call_cost(form->data().calls, 2, 2), 0.0f);
    EXPECT_EQ(provider_numbers(form->data().providers, 2).balance, 20.0f);
    EXPECT_EQ(fakes.dialogs.messages.size(), 2u) << "once per session";
}

TEST_F(Monitor, ShowingTheModemPageSelectsTheFirstEntryQuietly)
{
    form->check_prov();
    form->current_provider = 2;
    form->PageControl1->setCurrentIndex(1);
    form->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(form->lstEntries->currentRow(), 0);
    EXPECT_EQ(form->current_provider, 2) << "the click handler does not run";
}

TEST_F(Monitor, WithTheMonthsBillShownTheBalanceLineStartsFromTheBill)
{
    auto &p = form->data();
    provider_flags(p.providers, 2).show_month_bill = 1;
    set_next_call(p.providers, 2, 2);
    call_start(p.calls, 2, 1) = compose({2026, 12, 1}, {9, 0, 0, 0});
    call_end(p.calls, 2, 1) = compose({2026, 12, 1}, {10, 0, 0, 0});
    call_duration(p.calls, 2, 1) = 1.0 / 24;
    call_cost(p.calls, 2, 1) = 12.5f;
    connect_line();
    tick(); // 2 s into the session: 1 cent at 30 per hour
    EXPECT_TRUE(text("Label17").startsWith(QStringLiteral("Сумма на счете - 12.4"))) << text("Label17").toStdString();
    EXPECT_EQ(text("Label13"), QStringLiteral("1:00:02"));
}

TEST_F(Monitor, AnUnreadablePhonebookIsExplainedOnce)
{
    fakes.dialup.entries.clear();
    fakes.dialup.phonebook_notice = QStringLiteral("join the dip group");
    form->check_prov();
    form->check_prov();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("join the dip group"));
}
