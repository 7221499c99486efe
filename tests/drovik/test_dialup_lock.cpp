// The dial-up lock on the real window: what it switches, its password, and a restart.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "datastore/scramble.h"
#include "form_fixture.h"

using namespace datastore;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

class Lock : public FormTest {
protected:
    void SetUp() override
    {
        auto providers = std::make_unique<ProviderRecord>();
        lock_password(*providers).assign_bytes(scramble("secret", "583", ScrambleDirection::Forward));
        store(*providers);
        start().show();
    }
    void lock() { form->dialup1->click(); }
    bool has_close_box() const { return form->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                                        !form->windowFlags().testFlag(Qt::CustomizeWindowHint); }
    void expect_locked(bool locked)
    {
        EXPECT_EQ(form->window_locked(), locked);
        EXPECT_EQ(form->exitbut->isEnabled(), !locked);
        EXPECT_EQ(form->N1->isEnabled(), !locked);
        EXPECT_EQ(form->suiButton10->isEnabled(), !locked);
        EXPECT_EQ(form->suiButton12->isHidden(), !locked);
        EXPECT_EQ(has_close_box(), !locked);
        EXPECT_EQ(fakes.taskbar.entry_shown, !locked);
        EXPECT_TRUE(form->isVisible()) << "new window flags must not leave the window hidden";
    }
};

} // namespace

TEST_F(Lock, LockingSwitchesEveryControlAndOnlyThePasswordLiftsIt)
{
    lock();
    expect_locked(true);
    EXPECT_EQ(form->settings().dialup_lock, 1);
    EXPECT_FALSE(form->Image12->isHidden());
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    // Unticking the box alone only asks for the password.
    form->PageControl1->setCurrentWidget(form->suiTabSheet1);
    form->dialup1->click();
    EXPECT_FALSE(form->dialup1->isChecked());
    EXPECT_EQ(form->PageControl1->currentWidget(), form->suiTabSheet6);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Введите пароль для разблокировки"));
    EXPECT_EQ(fakes.dialogs.messages[0].buttons, MessageButtons::Yes);
    EXPECT_EQ(form->settings().dialup_lock, 1);
    expect_locked(true);

    form->pass->setText(QStringLiteral("wrong"));
    form->suiButton18->click();
    EXPECT_EQ(fakes.dialogs.messages.back().text, QStringLiteral("Пароль не верный!"));
    EXPECT_EQ(fakes.dialogs.messages.back().icon, MessageIcon::Error);
    expect_locked(true);

    form->pass->setText(QStringLiteral("secret"));
    form->suiButton18->click();
    expect_locked(false);
    EXPECT_EQ(form->settings().dialup_lock, 0);
    EXPECT_TRUE(form->Image12->isHidden());
    EXPECT_TRUE(form->pass->text().isEmpty());
    EXPECT_FALSE(form->dialup1->isChecked());
}

TEST_F(Lock, TheWindowCannotBeClosedWhileLocked)
{
    form->settings().close_to_tray = 0;
    lock();
    QCloseEvent close;
    QApplication::sendEvent(form.get(), &close);
    EXPECT_FALSE(form->ending());
    EXPECT_TRUE(form->isVisible());

    form->pass->setText(QStringLiteral("secret"));
    form->fsBitBtn15Click();
    QApplication::sendEvent(form.get(), &close);
    EXPECT_TRUE(form->ending());
}

TEST_F(Lock, WithoutANotificationAreaTheTaskbarEntryStays)
{
    fakes.tray.is_available = false;
    lock();
    EXPECT_TRUE(form->window_locked());
    EXPECT_TRUE(fakes.taskbar.entry_shown);
}

TEST_F(FormTest, SettingAndChangingThePassword)
{
    TForm1 &f = start();
    // No password yet: both lines empty set an empty one, after the reminder.
    f.suiButton19->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 2u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Введите пароль для разблокировки!"));
    EXPECT_EQ(fakes.dialogs.messages[1].text, QStringLiteral("Пароль для разблокировки установлен"));
    EXPECT_TRUE(lock_password(f.data().providers).empty());

    f.fsEdit5->setText(QStringLiteral("Пароль"));
    f.suiButton19->click();
    EXPECT_EQ(lock_password(f.data().providers).bytes(),
              scramble(to_cp1251(QStringLiteral("Пароль")), "583", ScrambleDirection::Forward));
    EXPECT_EQ(f.fsEdit5->text(), QStringLiteral("Пароль")) << "the lines keep their texts";

    fakes.dialogs.messages.clear();
    f.pass->setText(QStringLiteral("пароль"));
    f.fsEdit5->setText(QStringLiteral("new"));
    f.suiButton19->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages[0].text, QStringLiteral("Неправильно введен пароль для разблокировки!"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(lock_password(f.data().providers).bytes(),
              scramble(to_cp1251(QStringLiteral("Пароль")), "583", ScrambleDirection::Forward));

    // Whatever is set can be typed back in full.
    EXPECT_EQ(f.pass->maxLength(), 49);
    EXPECT_EQ(f.fsEdit5->maxLength(), 49);
}

TEST_F(FormTest, ARestartWithTheLockSetShowsItButLocksNothing)
{
    auto settings = std::make_unique<SettingsRecord>();
    settings->dialup_lock = 1;
    store(*settings);
    TForm1 &f = start();
    EXPECT_TRUE(f.dialup1->isChecked());
    EXPECT_FALSE(f.Image12->isHidden());
    EXPECT_TRUE(f.exitbut->isEnabled());
    EXPECT_TRUE(f.N1->isEnabled());
    EXPECT_FALSE(f.window_locked());
    EXPECT_TRUE(fakes.taskbar.entry_shown);
}
