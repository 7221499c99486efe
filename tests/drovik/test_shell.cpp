// Tray, window behaviour, options, system tools and the new-machine check on the real window.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "datastore/scramble.h"
#include "form_fixture.h"

namespace fs = std::filesystem;
using platform::Answer;

namespace {

std::unique_ptr<datastore::SettingsRecord> settings_with(void (*change)(datastore::SettingsRecord &))
{
    auto s = std::make_unique<datastore::SettingsRecord>();
    change(*s);
    return s;
}

} // namespace

TEST_F(FormTest, TrayMenuAndOptionsGroupAsDesigned)
{
    TForm1 &f = start();
    EXPECT_EQ(fakes.tray.menu, f.PopupMenu1);
    QStringList captions;
    for (QAction *a : f.PopupMenu1->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Закрыть приложение"), QStringLiteral("-"),
                                     QStringLiteral("Приложения Microsoft"), QStringLiteral("-"),
                                     QStringLiteral("Проверить почту"), QStringLiteral("Показать подсказку"),
                                     QStringLiteral("Главное окно")}));
    EXPECT_TRUE(f.N1->isEnabled());
    EXPECT_FALSE(f.N23->isEnabled());
    EXPECT_FALSE(f.Hint1->isEnabled());
    EXPECT_EQ(f.PopupMenu1->defaultAction(), f.N3);
    EXPECT_EQ(f.Microsoft1->actions(), (QList<QAction *>{f.N14, f.N18}));

    const auto boxes = f.program_options->findChildren<QCheckBox *>();
    QStringList names;
    for (QCheckBox *b : boxes)
        names << b->objectName();
    EXPECT_EQ(names, (QStringList{QStringLiteral("suiCheckBox4"), QStringLiteral("suiCheckBox5"),
                                  QStringLiteral("suiCheckBox6"), QStringLiteral("suiCheckBox7"),
                                  QStringLiteral("suiCheckBox8"), QStringLiteral("suiCheckBox9"),
                                  QStringLiteral("suiCheckBox10"), QStringLiteral("suiCheckBox11")}));
}

TEST_F(FormTest, StoredOptionsAreShownWithoutRunningTheirHandlers)
{
    store(*settings_with([](auto &s) {
        s.close_to_tray = 1;
        s.start_in_tray = 1;
        s.live_calc = 0;
        s.clock_hint = 1;
        s.foreign_call_guard = 1;
    }));
    TForm1 &f = start();
    EXPECT_TRUE(f.suiCheckBox4->isChecked());
    EXPECT_TRUE(f.suiCheckBox5->isChecked());
    EXPECT_TRUE(f.suiCheckBox9->isChecked());
    EXPECT_TRUE(f.suiCheckBox10->isChecked()) << "shown as stored, although live calculation is off";
    EXPECT_TRUE(f.suiCheckBox11->isChecked());
    EXPECT_FALSE(f.suiCheckBox7->isChecked());
}

// What the window does on the close and minimise commands.
struct HideCase {
    const char *what;
    bool close_to_tray;
    bool tray_available;
    bool minimise; // else close
    bool ends;
    bool hidden;
    bool minimised;
};

class WindowCommand : public FormTest, public ::testing::WithParamInterface<HideCase> {};

TEST_P(WindowCommand, HidesMinimisesOrEnds)
{
    const HideCase c = GetParam();
    SCOPED_TRACE(c.what);
    if (c.close_to_tray)
        store(*settings_with([](auto &s) { s.close_to_tray = 1; }));
    fakes.tray.is_available = c.tray_available;
    TForm1 &f = start();
    f.show();
    if (c.minimise) {
        f.showMinimized();
        QCoreApplication::processEvents();
    } else {
        QCloseEvent close;
        QApplication::sendEvent(&f, &close);
        EXPECT_FALSE(close.isAccepted()) << "the window itself is never closed";
    }
    EXPECT_EQ(f.ending(), c.ends);
    EXPECT_EQ(f.isHidden(), c.hidden);
    EXPECT_EQ(f.isMinimized(), c.minimised);
    if (c.hidden) {
        f.Timer1Timer();
        EXPECT_TRUE(fakes.tray.is_visible) << "the next tick brings the tray icon";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowCommand,
    ::testing::Values(HideCase{"close ends", false, true, false, true, false, false},
                      HideCase{"close hides to the tray", true, true, false, false, true, false},
                      HideCase{"minimise hides", false, true, true, false, true, false},
                      HideCase{"minimise hides with close_to_tray", true, true, true, false, true, false},
                      HideCase{"no tray: close minimises", true, false, false, false, false, true},
                      HideCase{"no tray: minimise stays minimised", false, false, true, false, false, true}));

TEST_F(FormTest, HidingToTheTrayAndComingBack)
{
    TForm1 &f = start();
    f.show();
    f.suiButton12Click();
    EXPECT_TRUE(f.isHidden());
    EXPECT_TRUE(fakes.tray.is_visible);
    fakes.tray.double_clicked(); // the menu's default item
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(fakes.tray.is_visible);
}

TEST_F(FormTest, CloseApplicationAsksOnlyWhileOnline)
{
    TForm1 &f = start();
    f.online = true;
    fakes.dialogs.answers = {Answer::No};
    f.N1->trigger();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("Осторожно! Вы в режиме On-line. Продолжить?\rЗавершение приведет к неверной статистике."));
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_FALSE(f.ending());

    fakes.dialogs.answers = {Answer::Yes};
    f.N1->trigger();
    EXPECT_TRUE(f.ending());
}

TEST_F(FormTest, CloseApplicationWhileIdleEndsAtOnce)
{
    TForm1 &f = start();
    f.N1->trigger();
    EXPECT_TRUE(f.ending());
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FormTest, ABalloonClickSilencesBalloonsUntilTheMenuBringsThemBack)
{
    store(*settings_with([](auto &s) { s.clock_hint = 1; }));
    TForm1 &f = start();
    ASSERT_TRUE(f.clock_hint_active);
    fakes.tray.balloon_clicked();
    EXPECT_FALSE(f.clock_hint_active);
    EXPECT_EQ(fakes.tray.balloons_hidden, 1);
    f.Hint1Click();
    EXPECT_TRUE(f.clock_hint_active);
}

TEST_F(FormTest, LiveCalculationAndClockHintOptions)
{
    store(*settings_with([](auto &s) {
        s.live_calc = 1;
        s.clock_hint = 0;
    }));
    TForm1 &f = start();
    f.suiCheckBox9->click(); // live calculation off
    EXPECT_EQ(f.settings().live_calc, 0);
    EXPECT_FALSE(f.suiCheckBox10->isChecked());
    f.suiCheckBox10->click(); // cannot be ticked now
    EXPECT_FALSE(f.suiCheckBox10->isChecked());
    EXPECT_EQ(f.settings().clock_hint, 0);

    f.suiCheckBox9->click(); // back on: the hint box shows ticked, the setting is unchanged
    EXPECT_EQ(f.settings().live_calc, 1);
    EXPECT_TRUE(f.suiCheckBox10->isChecked());
    EXPECT_EQ(f.settings().clock_hint, 0);

    f.suiCheckBox10->click();
    f.suiCheckBox10->click();
    EXPECT_EQ(f.settings().clock_hint, 1);
    EXPECT_TRUE(f.clock_hint_active);
}

TEST_F(FormTest, TrayOptionsAreWrittenAtOnce)
{
    TForm1 &f = start();
    f.suiCheckBox5->click();
    f.suiCheckBox4->click();
    auto written = std::make_unique<datastore::SettingsRecord>();
    ASSERT_FALSE(datastore::load_record_strict(*written, folder()).has_value());
    EXPECT_EQ(written->start_in_tray, 1);
    EXPECT_EQ(written->close_to_tray, 1);
}

TEST_F(FormTest, RegistrySwitchesReadAndWrite)
{
    const QString memory = QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management");
    const QString explorer = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer");
    fakes.modems.devices = {{QStringLiteral("16550A serial port"), QStringLiteral("ttyS0")}};
    fakes.dialogs.answers = {Answer::No};
    fakes.registry.values[{explorer, QStringLiteral("AlwaysUnloadDLL")}] = 1;
    fakes.registry.values[{memory, QStringLiteral("LargeSystemCache")}] = 2;
    TForm1 &f = start();
    EXPECT_TRUE(f.Reestr1->isChecked());
    EXPECT_TRUE(f.suiCheckBox1->isChecked()) << "DisablePagingExecutive is missing";
    EXPECT_FALSE(f.suiCheckBox2->isChecked()) << "only 1 ticks";

    f.suiCheckBox1->click(); // unticking the inverted switch stores 1
    EXPECT_EQ((fakes.registry.values[{memory, QStringLiteral("DisablePagingExecutive")}]), 1u);
    f.suiCheckBox2->click();
    EXPECT_EQ((fakes.registry.values[{memory, QStringLiteral("LargeSystemCache")}]), 1u);
    f.Reestr1->click();
    EXPECT_EQ((fakes.registry.values[{explorer, QStringLiteral("AlwaysUnloadDLL")}]), 0u);
}

TEST_F(FormTest, AutoPowerOffStartsStopsAndKeepsItsDelay)
{
    TForm1 &f = start();
    f.power_delays->button(4)->click(); // "1 час"
    f.suiButton10->click();
    EXPECT_EQ(f.suiButton10->text(), QStringLiteral("Стоп"));
    EXPECT_TRUE(f.autopower->isActive());
    EXPECT_EQ(f.autopower->interval(), 3600000);
    EXPECT_FALSE(f.Label46->isHidden());
    EXPECT_FALSE(f.Image6->isHidden());

    f.power_delays->button(0)->click();
    EXPECT_EQ(f.autopower->interval(), 3600000) << "a running delay does not change";

    f.suiButton10->click();
    EXPECT_EQ(f.suiButton10->text(), QStringLiteral("Старт!"));
    EXPECT_FALSE(f.autopower->isActive());
    EXPECT_TRUE(f.Label46->isHidden());
    f.suiButton10->click();
    EXPECT_EQ(f.autopower->interval(), 300000);
}

TEST_F(FormTest, PowerOffSavesEverythingFirst)
{
    TForm1 &f = start();
    bool files_there = false;
    fakes.power.on_request = [&] {
        files_there = fs::exists(folder() / "Настройки.ini") && fs::exists(folder() / "Соединения.dat") &&
                      fs::exists(folder() / "Провайдер инфо.dat") && fs::exists(folder() / "Тариф.dat") &&
                      fs::exists(folder() / "Ethernet.dat");
    };
    f.suiButton10->click();
    f.autopowerTimer();
    ASSERT_EQ(fakes.power.requests, std::vector<bool>{true});
    EXPECT_TRUE(files_there);
    EXPECT_TRUE(f.autopower->isActive()) << "an accepted request leaves the timer alone";
}

TEST_F(FormTest, ARefusedPowerOffStopsTheTimerAndTellsOnce)
{
    TForm1 &f = start();
    fakes.power.accept = false;
    for (int i = 0; i < 2; ++i) {
        f.suiButton10->click();
        f.autopowerTimer();
        EXPECT_FALSE(f.autopower->isActive());
        EXPECT_EQ(f.suiButton10->text(), QStringLiteral("Старт!"));
        EXPECT_TRUE(f.Label46->isHidden());
    }
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
}

TEST_F(FormTest, LaunchersTellOnceWhenNothingIsInstalled)
{
    TForm1 &f = start();
    fakes.launcher.succeed = false;
    f.suiButton7->click();
    f.N14->trigger();
    f.N18->trigger();
    f.suiButton5->click();
    EXPECT_EQ(fakes.launcher.started.size(), 4u);
    EXPECT_EQ(fakes.launcher.started[2].first, platform::Program::TextEditor);
    EXPECT_EQ(fakes.launcher.started[3].first, platform::Program::InternetOptions);
    EXPECT_EQ(fakes.dialogs.messages.size(), 3u) << "once per program";
}

TEST_F(FormTest, NoModemEndsStartUpBeforeTheMachineCheck)
{
    TForm1 &f = start();
    EXPECT_EQ(f.Label58->text(), QStringLiteral("Модем:"));
    EXPECT_EQ(f.Label59->text(), QStringLiteral("Порт модема:"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_FALSE(f.suiCheckBox1->isChecked()) << "the switches are not read";
}

class FirstRun : public FormTest {
protected:
    void SetUp() override
    {
        fakes.modems.devices = {{QStringLiteral("16550A serial port"), QStringLiteral("ttyS0")},
                                {QStringLiteral("PPP over Ethernet (eth0)"), QStringLiteral("eth0")}};
        auto providers = std::make_unique<datastore::ProviderRecord>();
        datastore::pop3_user(*providers).assign(QStringLiteral("ivan"));
        datastore::pop3_server(*providers).assign(QStringLiteral("pop.example.ru"));
        datastore::lock_password(*providers).assign(QStringLiteral("xyz"));
        store(*providers);
        store(*settings_with([](auto &s) {
            s.provider_count = 3;
            s.dialup_lock = 1;
        }));
    }
    std::string scrambled_volume() const
    {
        return datastore::scramble("1A2B-3C4D", "817", datastore::ScrambleDirection::Forward);
    }
};

TEST_F(FirstRun, NoStoresTheIdentityAndChangesNothingElse)
{
    fakes.dialogs.answers = {Answer::No};
    TForm1 &f = start();
    EXPECT_EQ(f.Label58->text(), QStringLiteral("Модем: 16550A serial port"));
    EXPECT_EQ(f.Label59->text(), QStringLiteral("Порт модема: ttyS0"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QStringLiteral("Вы запустили эту копию первый раз на этой машине!\rЗапустить калибровку?"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MessageIcon::Confirmation);

    auto &p = f.data().providers;
    EXPECT_EQ(datastore::machine_id(p).bytes(), scrambled_volume());
    EXPECT_TRUE(datastore::pop3_user(p).empty());
    EXPECT_TRUE(datastore::pop3_server(p).empty());
    EXPECT_EQ(f.settings().pop3_port.bytes(), "110");
    EXPECT_EQ(f.settings().provider_count, 3);
    EXPECT_EQ(f.settings().dialup_lock, 1);
    EXPECT_EQ(datastore::lock_password(p).bytes(), "xyz");

    // The next start on the same volume does not ask again.
    f.FormDestroy();
    form.reset();
    fakes.dialogs.messages.clear();
    start();
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FirstRun, YesResetsTheLockAndCalibrates)
{
    fakes.dialup.entries = {QStringLiteral("Дом"), QStringLiteral("Работа")};
    fakes.dialogs.answers = {Answer::Yes, Answer::Yes};
    TForm1 &f = start();
    auto &p = f.data().providers;
    EXPECT_EQ(datastore::machine_id(p).bytes(), scrambled_volume());
    EXPECT_EQ(f.settings().provider_count, 2);
    EXPECT_EQ(datastore::provider_texts(p, 2).name.text(), QStringLiteral("Работа"));
    ASSERT_EQ(fakes.dialogs.messages.size(), 4u);
    EXPECT_EQ(fakes.dialogs.messages[2].text,
              QStringLiteral("Калибровка закончена. Настройте параметры для каждого провайдера"));
    EXPECT_EQ(fakes.dialogs.messages[3].text,
              QStringLiteral("Осторожно! Все данные сетевых карт могут будут стерты! Продолжить?"))
        << "the card calibration follows";
    datastore::SettingsRecord written{};
    datastore::load_record(written, folder());
    EXPECT_EQ(written.provider_count, 2) << "the settings file is written at once";
    EXPECT_EQ(f.settings().dialup_lock, 0);
    EXPECT_TRUE(datastore::lock_password(p).empty());
    EXPECT_FALSE(f.dialup1->isChecked());
}

TEST_F(FirstRun, NoAnswerDecidesNothing)
{
    fakes.dialogs.answers = {Answer::None};
    TForm1 &f = start();
    EXPECT_TRUE(datastore::machine_id(f.data().providers).empty());
    EXPECT_EQ(f.settings().provider_count, 3);
}

TEST_F(FormTest, AMissingTariffLibraryIsToldOnce)
{
    TForm1 &f = start();
    fakes.tariff_library.loadable = false;
    EXPECT_FALSE(f.loaddll());
    EXPECT_FALSE(f.loaddll());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains(QStringLiteral("not found")));
    f.forget_told_tariff_failure(); // a new session may tell it again
    EXPECT_FALSE(f.loaddll());
    EXPECT_EQ(fakes.dialogs.messages.size(), 2u);
    fakes.tariff_library.loadable = true;
    EXPECT_TRUE(f.loaddll());
    f.unloaddll();
    EXPECT_FALSE(fakes.tariff_library.loaded());
}
