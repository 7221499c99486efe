#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "form_fixture.h"

namespace fs = std::filesystem;
using platform::Answer;

TEST_F(FormTest, FrameHasItsPagesCaptionsAndTimers)
{
    TForm1 &f = start();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Velmora XP"));
    EXPECT_EQ(f.size(), QSize(749, 433));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.Label66->text(), QStringLiteral("Velmora XP"));
    EXPECT_EQ(f.Label67->text(), QStringLiteral("Velmora XP"));
    EXPECT_EQ(fakes.tray.hint, QStringLiteral("Velmora XP"));

    const char *names[] = {"suiTabSheet1", "suiTabSheet2", "suiTabSheet5", "suiTabSheet6", "suiTabSheet3"};
    const char *captions[] = {"Модем", "Сеть", "Почта", "Настройки", "О программе"};
    ASSERT_EQ(f.PageControl1->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.PageControl1->widget(i)->objectName(), QLatin1String(names[i]));
        EXPECT_EQ(f.PageControl1->tabText(i), QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(f.PageControl1->currentWidget(), f.suiTabSheet1);

    const struct {
        QTimer *timer;
        const char *name;
        int interval;
        bool active;
    } timers[] = {
        {f.Timer2, "Timer2", 5000, true},  {f.Timer3, "Timer3", 1000, true},
        {f.autopower, "autopower", 300000, false}, {f.mail, "mail", 300000, false},
        {f.Card1, "Card1", 3600000, false},  {f.Card2, "Card2", 3600000, false},
    };
    for (const auto &t : timers) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(f.findChild<QTimer *>(QLatin1String(t.name)), t.timer);
        EXPECT_EQ(t.timer->interval(), t.interval);
        EXPECT_EQ(t.timer->isActive(), t.active);
    }

    EXPECT_TRUE(f.Timer1->isActive());

    EXPECT_EQ(f.status_text(0), QStringLiteral("Слежение за сетью включено"));
    EXPECT_EQ(f.status_text(1), QStringLiteral("Слежение за модемом включено"));
    EXPECT_TRUE(f.Button21->isHidden());
    EXPECT_TRUE(f.Image13->isHidden());
    EXPECT_FALSE(f.Image14->isHidden());
    EXPECT_TRUE(f.suiButton12->isHidden());
    EXPECT_TRUE(f.Label46->isHidden());
    EXPECT_EQ(f.session_speed, 1000000);
    EXPECT_EQ(f.session_start, 10.0);
    EXPECT_EQ(f.session_now, 1.0);
}

TEST_F(FormTest, StoredSettingsAreLoadedBeforeTheLaterStartUpSteps)
{
    auto settings = std::make_unique<datastore::SettingsRecord>();
    settings->modem_watch_off = 1;
    settings->provider_watch_off = 1;
    settings->net_watch_off = 1;
    settings->dialup_lock = 1;
    settings->start_in_tray = 1;
    settings->clock_hint = 1;
    store(*settings);

    TForm1 &f = start();
    EXPECT_EQ(f.status_text(0), QStringLiteral("Слежение за сетью отключено"));
    EXPECT_EQ(f.status_text(1), QStringLiteral("Слежение за модемом отключено"));
    EXPECT_FALSE(f.Timer2->isActive());
    EXPECT_FALSE(f.Timer3->isActive());
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_TRUE(f.dialup1->isChecked());
    EXPECT_FALSE(f.Image12->isHidden());
    EXPECT_TRUE(f.start_hidden());
    EXPECT_TRUE(fakes.tray.is_visible);
    EXPECT_TRUE(f.clock_hint_active);
}

TEST_F(FormTest, StartInTrayIsTestedForOneOnly)
{
    auto settings = std::make_unique<datastore::SettingsRecord>();
    settings->start_in_tray = 2;
    store(*settings);
    EXPECT_FALSE(start().start_hidden());
    EXPECT_FALSE(fakes.tray.is_visible);
}

TEST_F(FormTest, FirstStartLeavesAllFiveFilesAtExit)
{
    start().FormDestroy();
    EXPECT_EQ(fs::file_size(folder() / "Провайдер инфо.dat"), 2532u);
    EXPECT_EQ(fs::file_size(folder() / "Тариф.dat"), 2160u);
    EXPECT_EQ(fs::file_size(folder() / "Настройки.ini"), 60u);
    EXPECT_EQ(fs::file_size(folder() / "Соединения.dat"), 279000u);
    EXPECT_EQ(fs::file_size(folder() / "Ethernet.dat"), 62560u);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FormTest, ExitSavesInItsOrderAndReportsEachFailedFileOnce)
{
    TForm1 &f = start();
    fs::remove_all(folder()); // every write now fails
    f.FormDestroy();
    ASSERT_EQ(fakes.dialogs.messages.size(), 5u);
    const char *order[] = {"Настройки.ini", "Соединения.dat", "Провайдер инфо.dat", "Тариф.dat", "Ethernet.dat"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(fakes.dialogs.messages[static_cast<std::size_t>(i)].text.contains(QString::fromUtf8(order[i])))
            << fakes.dialogs.messages[static_cast<std::size_t>(i)].text.toStdString();
        EXPECT_EQ(fakes.dialogs.messages[static_cast<std::size_t>(i)].icon, platform::MessageIcon::Error);
    }
    EXPECT_FALSE(f.Save_ini());
    EXPECT_FALSE(f.save_call());
    EXPECT_EQ(fakes.dialogs.messages.size(), 5u) << "a file is reported once per run";
}

TEST_F(FormTest, AStopWhileAFailureBoxIsOpenStillWritesEveryOtherFile)
{
    TForm1 &f = start();
    fs::create_directories(folder() / "Настройки.ini" / "blocked");
    fakes.dialogs.on_message = [&](const platform::ShownMessage &) {
        f.end_program(); // what a stop signal does while the box is open
        return Answer::None;
    };
    EXPECT_FALSE(f.Save_ini());
    EXPECT_TRUE(f.ending());
    EXPECT_TRUE(fakes.dialogs.stopped);
    f.FormDestroy();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u) << "no new box once the program is ending";
    EXPECT_EQ(fs::file_size(folder() / "Соединения.dat"), 279000u);
    EXPECT_EQ(fs::file_size(folder() / "Ethernet.dat"), 62560u);
    EXPECT_EQ(fs::file_size(folder() / "Тариф.dat"), 2160u);
    EXPECT_EQ(fs::file_size(folder() / "Провайдер инфо.dat"), 2532u);
}

TEST_F(FormTest, ClosingTheWindowEndsTheProgramWithoutClosingIt)
{
    TForm1 &f = start();
    f.show();
    QCloseEvent close;
    QApplication::sendEvent(&f, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(f.ending());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FormTest, ExitButtonEndsTheProgram)
{
    TForm1 &f = start();
    f.exitbut->click();
    EXPECT_TRUE(f.ending());
}

TEST_F(FormTest, TheTickComesJustAfterEachWallClockSecondBegins)
{
    fakes.clock.time = datastore::compose({2026, 12, 8}, {9, 5, 7, 400});
    TForm1 &f = start();
    EXPECT_EQ(f.Timer1->interval(), 620);
    fakes.clock.time = datastore::compose({2026, 12, 8}, {9, 5, 8, 21});
    f.schedule_tick();
    EXPECT_EQ(f.Timer1->interval(), 999);
}

TEST_F(FormTest, TickShowsTheClockAndBringsTheTrayIconForAHiddenWindow)
{
    TForm1 &f = start();
    f.Timer1->stop();
    fakes.clock.time = datastore::compose({2026, 12, 8}, {9, 5, 7, 40});
    f.Timer1Timer();
    EXPECT_EQ(f.status_text(2), QStringLiteral("Текущая дата и время: 08.12.2026 9:05:07"));
    EXPECT_TRUE(fakes.tray.is_visible) << "the window is not showing";

    fakes.tray.is_visible = false;
    f.show();
    f.Timer1Timer();
    EXPECT_FALSE(fakes.tray.is_visible);
}

// A dial-up layer that runs another tick while the first one asks it for connections, as a
// message box or a wait inside a tick lets timers fire.
class ReenteringDialup : public platform::FakeDialup {
public:
    TForm1 *form = nullptr;
    int calls = 0;
    std::vector<platform::ActiveConnection> active_connections() override
    {
        ++calls;
        if (calls == 1 && form != nullptr)
            form->Timer1Timer();
        return {};
    }
};

TEST_F(FormTest, ATickThatStartsDuringAnotherDoesNothing)
{
    ReenteringDialup dialup;
    TForm1 f(fakes.services({.dialup = &dialup}), folder());
    f.Timer1->stop();
    dialup.form = &f;
    f.Timer1Timer();
    EXPECT_EQ(dialup.calls, 1) << "the inner tick must not count connections";
    f.Timer1Timer();
    EXPECT_EQ(dialup.calls, 2) << "the guard is released when the tick ends";
}

TEST_F(FormTest, ModemWatchingOffCountsNoConnection)
{
    auto settings = std::make_unique<datastore::SettingsRecord>();
    settings->modem_watch_off = 1;
    store(*settings);
    ReenteringDialup dialup;
    TForm1 f(fakes.services({.dialup = &dialup}), folder());
    f.Timer1Timer();
    EXPECT_EQ(dialup.calls, 0);
}

TEST_F(FormTest, ALaterStartBringsAHiddenWindowBack)
{
    auto settings = std::make_unique<datastore::SettingsRecord>();
    settings->start_in_tray = 1;
    store(*settings);
    TForm1 &f = start();
    ASSERT_TRUE(fakes.tray.is_visible);
    ASSERT_FALSE(f.isVisible());
    ASSERT_TRUE(fakes.single_instance.activation);
    fakes.single_instance.activation();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(fakes.tray.is_visible);
}

TEST_F(FormTest, ShowingTheWindowChoosesTheFirstProvider)
{
    TForm1 &f = start();
    EXPECT_EQ(f.current_provider, 0);
    f.show();
    EXPECT_EQ(f.current_provider, 1);
}
