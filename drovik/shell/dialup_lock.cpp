// The dial-up lock: while it is on, the program cannot be ended or the power-off started from the
// window, its tray menu or the taskbar; only the password lifts it.
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "datastore/scramble.h"
#include "drovik/Unit1.h"
#include "drovik/shell/widgets.h"

namespace {

constexpr char kLockKey[] = "583";
// The stored password holds 50 bytes: a longer one could never be typed back in full.
constexpr int kPasswordLength = 49;

QLineEdit *password_line(QWidget *parent, const char *name)
{
    auto *line = named(new QLineEdit(parent), name);
    line->setEchoMode(QLineEdit::Password);
    line->setMaxLength(kPasswordLength);
    return line;
}

std::string scrambled(const QLineEdit *line)
{
    return datastore::scramble(datastore::to_cp1251(line->text()), kLockKey, datastore::ScrambleDirection::Forward);
}

} // namespace

QWidget *TForm1::build_lock_group(QWidget *page)
{
    GroupBox9 = named(new QGroupBox(QStringLiteral("Блокировка Dial-up"), page), "GroupBox9");
    auto *grid = new QGridLayout(GroupBox9);
    grid->addWidget(named(new QLabel(QStringLiteral("Пароль для разблокирования"), GroupBox9), "Label60"), 0, 0, 1, 2);
    pass = password_line(GroupBox9, "pass");
    suiButton18 = named(new QPushButton(QStringLiteral("Разблокировать"), GroupBox9), "suiButton18");
    fsEdit5 = password_line(GroupBox9, "fsEdit5");
    suiButton19 = named(new QPushButton(QStringLiteral("Установить"), GroupBox9), "suiButton19");
    grid->addWidget(pass, 1, 0);
    grid->addWidget(suiButton18, 1, 1);
    grid->addWidget(fsEdit5, 2, 0);
    grid->addWidget(suiButton19, 2, 1);

    Label63 = named(new QLabel(QStringLiteral("Для смены пароля:\n1) Введите старый код в верхнюю строку,\n"
                                              "2) Введите новый код во вторую строку,\n"
                                              "3) Нажмите кнопку \"Установить\""),
                               page),
                    "Label63");

    connect(dialup1, &QCheckBox::clicked, this, &TForm1::dialup123Click);
    connect(suiButton18, &QPushButton::clicked, this, &TForm1::fsBitBtn15Click);
    connect(suiButton19, &QPushButton::clicked, this, &TForm1::fsBitBtn16Click);
    return GroupBox9;
}

void TForm1::dialup123Click()
{
    if (!dialup1->isChecked()) {
        PageControl1->setCurrentWidget(suiTabSheet6);
        svc_.dialogs.message(QStringLiteral("Введите пароль для разблокировки"), platform::MessageIcon::Confirmation,
                             platform::MessageButtons::Yes);
        return;
    }
    suiButton10->setEnabled(false);
    suiButton12->show();
    dialup1->setChecked(true);
    settings().dialup_lock = 1;
    Image12->show();
    exitbut->setEnabled(false);
    N1->setEnabled(false);
    set_window_locked(true);
}

void TForm1::fsBitBtn15Click()
{
    if (scrambled(pass) != datastore::lock_password(data_->providers).bytes()) {
        svc_.dialogs.message(QStringLiteral("Пароль не верный!"), platform::MessageIcon::Error,
                             platform::MessageButtons::Yes);
        return;
    }
    dialup1->setChecked(false);
    settings().dialup_lock = 0;
    Image12->hide();
    pass->clear();
    exitbut->setEnabled(true);
    N1->setEnabled(true);
    set_window_locked(false);
    suiButton10->setEnabled(true);
    suiButton12->hide();
}

void TForm1::fsBitBtn16Click()
{
    if (pass->text().isEmpty()) {
        svc_.dialogs.message(QStringLiteral("Введите пароль для разблокировки!"), platform::MessageIcon::Confirmation,
                             platform::MessageButtons::Yes);
    }
    if (scrambled(pass) != datastore::lock_password(data_->providers).bytes()) {
        svc_.dialogs.message(QStringLiteral("Неправильно введен пароль для разблокировки!"),
                             platform::MessageIcon::Error, platform::MessageButtons::Yes);
        return;
    }
    datastore::lock_password(data_->providers).assign_bytes(scrambled(fsEdit5));
    svc_.dialogs.message(QStringLiteral("Пароль для разблокировки установлен"), platform::MessageIcon::Confirmation,
                         platform::MessageButtons::Yes);
}

void TForm1::set_window_locked(bool locked)
{
    if (locked == window_locked_)
        return;
    window_locked_ = locked;
    // Changing the flags hides the window: show it again as it was.
    const bool shown = isVisible();
    if (locked) {
        unlocked_flags_ = windowFlags();
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    } else {
        setWindowFlags(unlocked_flags_);
    }
    if (shown)
        show();
    show_taskbar_entry();
}

void TForm1::show_taskbar_entry()
{
    // Without a notification area the taskbar is the only way back to a minimised window.
    svc_.taskbar.set_entry_shown(*this, !window_locked_ || !svc_.tray.available());
}
