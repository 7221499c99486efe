// The "Сеть" page on the real window: the monitor, the saving schedule, clearing, calibration and
// prices, over fake interfaces and a fake clock.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>

#include "form_fixture.h"

using namespace datastore;
using platform::Answer;

namespace {

const QString kNoCard = QStringLiteral("Сетевая карта не определена");

class Network : public FormTest {
protected:
    void SetUp() override
    {
        fakes.netifaces.interfaces = {
            {QStringLiteral("Intel I211 (eth0)"), 3 * 1048576, 1048576, 1000000000, QStringLiteral("192.168.1.5"),
             QStringLiteral("255.255.255.0")},
            {QStringLiteral("Realtek (wlan0)"), 0, 0, 0, {}, {}},
        };
        fakes.clock.time = compose({2026, 12, 11}, {12, 0, 0, 20});
    }
    // The window over stored data changed by `change`, its clock tick stopped.
    TForm1 &start_with(const std::function<void(DataSet &)> &change = {})
    {
        auto data = make_data_set();
        machine_id(data->providers).clear();
        card_description(data->adapters, 1).assign(QStringLiteral("Intel I211 (eth0)"));
        card_prices(data->adapters, 1) = {2.0f, 1.0f};
        if (change)
            change(*data);
        EXPECT_TRUE(save_all(*data, folder()).empty());
        TForm1 &f = start();
        f.Timer1->stop();
        return f;
    }
    QString text(const char *name) { return form->findChild<QLabel *>(QLatin1String(name))->text(); }
    QString caption(const char *name) { return form->findChild<QGroupBox *>(QLatin1String(name))->title(); }
    void second(int h, int m, int s, int ms = 20) { fakes.clock.time = compose({2026, 12, 11}, {h, m, s, ms}); }
};

} // namespace

TEST_F(Network, TheMonitorShowsFoundCardsAndKeepsTheFiguresOfLostOnes)
{
    start_with([](DataSet &d) { card_description(d.adapters, 2).assign(QStringLiteral("Realtek (wlan0)")); });
    EXPECT_EQ(caption("GBox1"), QStringLiteral("Intel I211 (eth0)")) << "start-up names the first interfaces";
    form->Timer3Timer();
    EXPECT_EQ(text("IPadd1"), QStringLiteral("IP адрес: 192.168.1.5 / 255.255.255.0"));
    EXPECT_EQ(text("in1"), QStringLiteral("МБайт получено/Стоимость: 3.0000/6.000"));
    EXPECT_EQ(text("out1"), QStringLiteral("МБайт отправлено/Стоимость: 1.0000/1.000"));
    EXPECT_EQ(text("speed1"), QStringLiteral("Скорость, Мбит/сек: 1000"));
    EXPECT_EQ(text("IPadd2"), QStringLiteral("IP адрес: "));
    EXPECT_EQ(text("in2"), QStringLiteral("МБайт получено/Стоимость: 0/0"));

    fakes.netifaces.interfaces.erase(fakes.netifaces.interfaces.begin());
    form->Timer3Timer();
    EXPECT_EQ(caption("GBox1"), kNoCard);
    EXPECT_EQ(text("in1"), QStringLiteral("МБайт получено/Стоимость: 3.0000/6.000")) << "the last figures stay";
    EXPECT_EQ(caption("GBox2"), QStringLiteral("Realtek (wlan0)"));
}

TEST_F(Network, AnUnassignedCardIsNotDefined)
{
    start_with([](DataSet &d) { card_description(d.adapters, 1).clear(); });
    form->Timer3Timer();
    EXPECT_EQ(caption("GBox1"), kNoCard);
    EXPECT_EQ(text("in1"), QStringLiteral("Байт получено/Стоимость:"));
}

TEST_F(Network, TheRefreshRateFromTheStoredIndex)
{
    const struct {
        const char *stored;
        int item;
        int interval_ms;
        const char *stored_after;
    } cases[] = {{"", 0, 1000, "0"}, {"1", 1, 60000, "1"}, {"7", 3, 1800000, "3"}, {"x", 0, 1000, "x"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        start_with([&](DataSet &d) { d.settings.net_refresh_index.assign(QString::fromUtf8(c.stored)); });
        EXPECT_EQ(form->refresh_rates->checkedId(), c.item);
        EXPECT_EQ(form->Timer3->interval(), c.interval_ms);
        EXPECT_EQ(form->settings().net_refresh_index.bytes(), c.stored_after);
    }
    form->refresh_rates->button(2)->click();
    EXPECT_EQ(form->Timer3->interval(), 300000);
    EXPECT_EQ(form->settings().net_refresh_index.bytes(), "2");
}

TEST_F(Network, WatchingOffStopsTheMonitorAndEverySave)
{
    start_with();
    ASSERT_TRUE(form->Timer3->isActive());
    form->suiCheckBox6->click();
    EXPECT_EQ(form->settings().net_watch_off, 1);
    EXPECT_FALSE(form->Timer3->isActive());
    EXPECT_EQ(form->status_text(0), QStringLiteral("Слежение за сетью отключено"));
    EXPECT_FALSE(form->findChild<QLabel *>(QStringLiteral("Image4"))->isHidden());
    form->Record_Ethernet(1, true);
    EXPECT_EQ(reading_count(form->data().adapters, 1), 0);

    form->suiCheckBox6->click();
    EXPECT_TRUE(form->Timer3->isActive());
    EXPECT_TRUE(form->findChild<QLabel *>(QStringLiteral("Image7"))->isHidden());
}

TEST_F(Network, TheDailySaveComesOnceInItsSecondAndKeepsTheExitSaveAway)
{
    start_with([](DataSet &d) {
        save_mode(d.adapters, 1).assign_bytes("2");
        d.settings.card1_save_param.assign(QStringLiteral("12:00:01"));
    });
    form->Timer1Timer();
    EXPECT_EQ(reading_count(form->data().adapters, 1), 0);
    second(12, 0, 1);
    form->Timer1Timer();
    form->Timer1Timer();
    EXPECT_EQ(reading_count(form->data().adapters, 1), 1) << "once in its second";
    EXPECT_EQ(text("Save1"), QStringLiteral("Запись сохранена 11.12.2026 12:00:01"));
    ASSERT_EQ(fakes.tray.balloons.size(), 1u);
    EXPECT_EQ(fakes.tray.balloons[0].title, QStringLiteral("Запись информации"));
    EXPECT_EQ(fakes.tray.balloons[0].text, QStringLiteral("для сетевой карты проведена успешно"));
    EXPECT_EQ(fakes.tray.balloons[0].timeout_s, 20);

    form->FormDestroy();
    EXPECT_EQ(reading_count(form->data().adapters, 1), 1) << "no exit save in the same second";
    EXPECT_EQ(card_exit_costs(form->data().adapters, 1).exit_cost_in, 0.0f);

    second(12, 0, 2);
    form->Timer1Timer();
    form->FormDestroy();
    EXPECT_EQ(reading_count(form->data().adapters, 1), 2);
    EXPECT_EQ(card_exit_costs(form->data().adapters, 1).exit_cost_in, 6.0f);
    auto on_disk = std::make_unique<AdapterStatsRecord>();
    load_record(*on_disk, folder());
    EXPECT_EQ(reading_count(*on_disk, 1), 2) << "written at exit";
}

TEST_F(Network, EveryNHoursRunsTheCardTimer)
{
    start_with([](DataSet &d) {
        save_mode(d.adapters, 2).assign_bytes("1");
        d.settings.card2_save_param.assign(QStringLiteral("3:00:00")); // left by an interrupted run
        card_description(d.adapters, 2).assign(QStringLiteral("Realtek (wlan0)"));
    });
    EXPECT_EQ(form->Card2->interval(), 3600000) << "an unreadable hour count starts as one hour";
    EXPECT_EQ(form->settings().card2_save_param.bytes(), "3:00:00") << "and stays as stored";
    EXPECT_TRUE(form->Card2->isActive());
    EXPECT_FALSE(form->Card1->isActive());

    auto *hours = form->findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    hours->setCurrentText(QStringLiteral("12"));
    form->ComboBox2Change();
    EXPECT_EQ(form->Card2->interval(), 12 * 3600000);
    EXPECT_EQ(form->settings().card2_save_param.bytes(), "12");
    QMetaObject::invokeMethod(form->Card2, "timeout", Qt::DirectConnection);
    EXPECT_EQ(reading_count(form->data().adapters, 2), 1);

    // A mode left for another stops the timer at the next tick.
    form->findChild<QRadioButton *>(QStringLiteral("RadioButton5"))->click();
    EXPECT_EQ(save_mode(form->data().adapters, 2).bytes(), "3");
    form->Timer1Timer();
    EXPECT_FALSE(form->Card2->isActive());
}

TEST_F(Network, TheControlsFollowTheStoredModesAndTheSettingsFollowTheControls)
{
    start_with([](DataSet &d) {
        save_mode(d.adapters, 1).assign_bytes("1");
        d.settings.card1_save_param.assign(QStringLiteral("6"));
        save_mode(d.adapters, 2).assign_bytes("2");
        d.settings.card2_save_param.assign(QStringLiteral("9:05:00"));
    });
    form->PageControl1->setCurrentWidget(form->suiTabSheet2);
    auto *hours = form->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *time = form->findChild<QTimeEdit *>(QStringLiteral("DateTimeP2"));
    EXPECT_EQ(hours->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(form->findChild<QRadioButton *>(QStringLiteral("RadioButton3"))->isChecked());
    EXPECT_EQ(time->time(), QTime(9, 5));
    EXPECT_TRUE(form->findChild<QRadioButton *>(QStringLiteral("RadioButton4"))->isChecked());

    // The parameter changed by the other mode's control is taken back from the ticked one.
    form->settings().card1_save_param.assign(QStringLiteral("9:00:00"));
    time->setTime(QTime(18, 30));
    form->settings().card2_save_param.assign(QStringLiteral("4"));
    form->Save_ini();
    EXPECT_EQ(form->settings().card1_save_param.bytes(), "6");
    EXPECT_EQ(form->settings().card2_save_param.bytes(), "18:30:00");

    form->findChild<QRadioButton *>(QStringLiteral("RadioButton1"))->click();
    EXPECT_EQ(save_mode(form->data().adapters, 1).bytes(), "2");
    EXPECT_EQ(form->settings().card1_save_param.bytes(), "0:00:00");
}

TEST_F(Network, ClearingOneCardLeavesTheOther)
{
    start_with([](DataSet &d) {
        set_reading_count(d.adapters, 1, 7);
        set_reading_count(d.adapters, 2, 9);
        card_exit_costs(d.adapters, 1) = {1, 2};
        card_exit_costs(d.adapters, 2) = {3, 4};
    });
    form->findChild<QPushButton *>(QStringLiteral("suiButton3"))->click();
    EXPECT_EQ(fakes.dialogs.messages.back().text, QStringLiteral("Статистика для этой карты очищена"));
    EXPECT_EQ(reading_count(form->data().adapters, 1), 0);
    EXPECT_EQ(card_exit_costs(form->data().adapters, 1).exit_cost_out, 0.0f);
    EXPECT_EQ(reading_count(form->data().adapters, 2), 9);
    EXPECT_EQ(card_exit_costs(form->data().adapters, 2).exit_cost_out, 4.0f);
}

TEST_F(Network, ANearlyFullStoreOffersTheCalibrationAndWarnsOnce)
{
    start_with([](DataSet &d) { set_reading_count(d.adapters, 1, 498); });
    fakes.dialogs.answers = {Answer::No};
    form->Record_Ethernet(1, false);
    ASSERT_GE(fakes.dialogs.messages.size(), 2u);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("Осторожно! Все данные сетевых карт могут будут стерты! Продолжить?"));
    EXPECT_EQ(fakes.dialogs.messages[1].text,
              QStringLiteral("Необходимо сохранение информации о сетевых платах! Достигнут предел базы"));
    EXPECT_EQ(reading_count(form->data().adapters, 1), 499) << "declined: the save goes on";

    fakes.dialogs.messages.clear();
    form->card_saved = {false, false};
    fakes.dialogs.answers = {Answer::Yes};
    form->Record_Ethernet(1, false);
    EXPECT_EQ(reading_count(form->data().adapters, 1), 1) << "calibrated: the reading goes to entry 1";
    EXPECT_EQ(fakes.dialogs.messages.size(), 2u) << "the question and the calibration's closing message";
}

TEST_F(Network, CalibrationAssignsTheInterfacesOnlyOnYes)
{
    fakes.netifaces.interfaces.insert(fakes.netifaces.interfaces.begin(),
                                      {QStringLiteral("MS TCP Loopback interface"), 0, 0, 0, {}, {}});
    fakes.netifaces.interfaces.pop_back();
    start_with([](DataSet &d) {
        card_description(d.adapters, 1).clear();
        card_description(d.adapters, 2).assign(QStringLiteral("kept"));
    });
    fakes.dialogs.answers = {Answer::No};
    form->suiButton2->click();
    EXPECT_TRUE(card_description(form->data().adapters, 1).empty());

    fakes.dialogs.answers = {Answer::Yes};
    form->suiButton2->click();
    EXPECT_EQ(card_description(form->data().adapters, 1).text(), QStringLiteral("Intel I211 (eth0)"));
    EXPECT_EQ(card_description(form->data().adapters, 2).text(), QStringLiteral("kept"));
    EXPECT_EQ(fakes.dialogs.messages.back().text,
              QStringLiteral("Калибровка сетевых плат закончена. Настройте параметры для каждой платы"));
}

TEST_F(Network, PricesAreStoredAsFloatsAndShownBackAsTheirText)
{
    start_with();
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("2")) << "card 1's prices at start";
    form->RB8->click();
    form->Edit1->setText(QStringLiteral("0,1"));
    EXPECT_EQ(card_prices(form->data().adapters, 2).price_in_mb, 0.1f);
    form->RB7->click();
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("2"));
    form->RB8->click();
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("0,100000001490116"));

    form->Edit2->setText(QString());
    form->Edit2->setText(QStringLiteral("abc"));
    EXPECT_FALSE(form->price_error->text().isEmpty());
    EXPECT_EQ(card_prices(form->data().adapters, 2).price_out_mb, 0.0f) << "keeps its last good value";
    EXPECT_TRUE(fakes.dialogs.messages.empty()) << "told beside the box, not in a box";
    form->Edit2->setText(QStringLiteral("1,5"));
    EXPECT_TRUE(form->price_error->text().isEmpty());
    EXPECT_EQ(card_prices(form->data().adapters, 2).price_out_mb, 1.5f);
}
