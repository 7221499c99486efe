// The Linux services the frame uses, against the real Qt and operating system.
#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <cstring>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_dialogs.h"
#include "platform/linux/linux_single_instance.h"
#include "platform/linux/linux_tray.h"

using namespace platform;

TEST(LinuxSingleInstance, ALaterClaimAsksTheFirstToComeForward)
{
    const QString name = QStringLiteral("velmora-test-%1.socket").arg(QUuid::createUuid().toString(QUuid::Id128));
    LinuxSingleInstance first(name);
    int requests = 0;
    first.on_activation_request([&] { ++requests; });
    ASSERT_TRUE(first.claim());

    LinuxSingleInstance second(name);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }, 5000));
}

TEST(LinuxSingleInstance, ASocketLeftByACrashedProgramIsTakenOver)
{
    const QString name = QStringLiteral("velmora-test-%1.socket").arg(QUuid::createUuid().toString(QUuid::Id128));
    // A bound socket nobody listens on, as a killed program leaves it behind.
    const QByteArray path =
        QFile::encodeName(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QFile::decodeName(path)));

    LinuxSingleInstance next(name);
    EXPECT_TRUE(next.claim());
}

TEST(LinuxDialogs, ABoxEndedFromOutsideGivesNoAnswer)
{
    LinuxDialogs dialogs;
    QTimer::singleShot(200, [] {
        ASSERT_NE(QApplication::activeModalWidget(), nullptr) << "the box should be open";
        QCoreApplication::exit(0); // what ending the program does
    });
    EXPECT_EQ(dialogs.message(QStringLiteral("Продолжить?"), MessageIcon::Confirmation, MessageButtons::YesNo),
              Answer::None);
}

TEST(LinuxDialogs, ClickedButtonsGiveTheirAnswer)
{
    LinuxDialogs dialogs;
    QTimer::singleShot(200, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (auto *button : box->findChildren<QAbstractButton *>()) {
            if (button->text() == QStringLiteral("Нет"))
                button->click();
        }
    });
    EXPECT_EQ(dialogs.message(QStringLiteral("Продолжить?"), MessageIcon::Confirmation, MessageButtons::YesNo),
              Answer::No);
}

TEST(LinuxDialogs, NoBoxOnceTheProgramIsEnding)
{
    LinuxDialogs dialogs;
    dialogs.stop_asking();
    testing::internal::CaptureStderr();
    EXPECT_EQ(dialogs.message(QStringLiteral("Ошибка записи"), MessageIcon::Error, MessageButtons::Ok), Answer::None);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Ошибка записи\n");
}

TEST(LinuxClock, NowIsLocalTimeWithMilliseconds)
{
    LinuxClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const datastore::TDateTime now = clock.now();
    const auto decoded = datastore::decode(now);
    EXPECT_EQ(decoded.date, (datastore::CivilDate{before.date().year(), before.date().month(), before.date().day()}));
    const int ms_of_day = ((decoded.time.hour * 60 + decoded.time.minute) * 60 + decoded.time.second) * 1000 +
                          decoded.time.msec;
    EXPECT_NEAR(ms_of_day, before.time().msecsSinceStartOfDay(), 1000);

    const auto t0 = clock.now();
    clock.wait(30);
    EXPECT_GE((clock.now() - t0) * datastore::kMsecsPerDay, 29.0);
}

TEST(LinuxTray, ABalloonCanBeTakenBackAndTellsOfAClick)
{
    LinuxTray tray;
    int clicks = 0;
    tray.on_balloon_clicked([&] { ++clicks; });
    tray.show_balloon(QStringLiteral("0 cут. 1:30:00"), QStringLiteral("Прогноз отключения\rНовых сообщений нет"),
                      BalloonIcon::Information, 10);
    const Balloon &balloon = tray.balloon();
    ASSERT_TRUE(balloon.isVisible());
    EXPECT_EQ(balloon.findChild<QLabel *>(QStringLiteral("BalloonTitle"))->text(), QStringLiteral("0 cут. 1:30:00"));
    EXPECT_EQ(balloon.findChild<QLabel *>(QStringLiteral("BalloonText"))->text(),
              QStringLiteral("Прогноз отключения\nНовых сообщений нет"));
    tray.hide_balloon();
    EXPECT_FALSE(balloon.isVisible());

    tray.show_balloon(QStringLiteral("t"), QStringLiteral("x"), BalloonIcon::Error, 10);
    QTest::mouseClick(const_cast<Balloon *>(&balloon), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(balloon.isVisible());
}
