// The tray icon's menu and the ways the window hides and comes back.
#include <QCloseEvent>
#include <QEvent>
#include <QMenu>
#include <QPushButton>

#include "drovik/Unit1.h"
#include "drovik/shell/widgets.h"

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    return named(menu->addAction(caption), name);
}

} // namespace

void TForm1::build_tray_menu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = item(PopupMenu1, "N1", QStringLiteral("Закрыть приложение"));
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N6"));
    Microsoft1 = PopupMenu1->addMenu(QStringLiteral("Приложения Microsoft"));
    Microsoft1->setObjectName(QStringLiteral("Microsoft1"));
    N14 = item(Microsoft1, "N14", QStringLiteral("Калькулятор"));
    N18 = item(Microsoft1, "N18", QStringLiteral("Блокнот"));
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N2"));
    N23 = item(PopupMenu1, "N23", QStringLiteral("Проверить почту"));
    Hint1 = item(PopupMenu1, "Hint1", QStringLiteral("Показать подсказку"));
    N3 = item(PopupMenu1, "N3", QStringLiteral("Главное окно"));
    N23->setEnabled(false);
    Hint1->setEnabled(false);
    PopupMenu1->setDefaultAction(N3);

    connect(N1, &QAction::triggered, this, &TForm1::N1Click);
    connect(N14, &QAction::triggered, this, &TForm1::fsBitBtn6Click);
    connect(N18, &QAction::triggered, this, &TForm1::N18Click);
    connect(Hint1, &QAction::triggered, this, &TForm1::Hint1Click);
    connect(N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(suiButton12, &QPushButton::clicked, this, &TForm1::suiButton12Click);

    svc_.tray.set_menu(PopupMenu1);
    svc_.tray.on_double_clicked([this] { N3Click(); });
    svc_.tray.on_balloon_clicked([this] { TrayIcon1BalloonHintClick(); });
}

void TForm1::hide_window()
{
    // Without a notification area a hidden window could never be found again: minimise it.
    if (!svc_.tray.available()) {
        showMinimized();
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    hide();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // The window is never closed here: ending the loop is what leads to FormDestroy.
    event->ignore();
    // A window manager may close a window that has no close box (Alt+F4).
    if (window_locked_)
        return;
    if (datastore::is_set(settings().close_to_tray))
        hide_window();
    else
        end_program();
}

void TForm1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Minimising hides the window to the tray whatever close_to_tray says. Deferred: the
    // minimise that caused this event may still be making the window visible.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && svc_.tray.available()) {
        QMetaObject::invokeMethod(
            this, [this] {
                if (isMinimized())
                    hide_window();
            },
            Qt::QueuedConnection);
    }
}

void TForm1::suiButton12Click()
{
    svc_.tray.set_visible(!svc_.tray.visible());
    hide_window();
}

void TForm1::show_window()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm1::N3Click()
{
    svc_.tray.set_visible(!svc_.tray.visible());
    show_window();
}

void TForm1::N1Click()
{
    if (online) {
        const platform::Answer answer = svc_.dialogs.message(
            QStringLiteral("Осторожно! Вы в режиме On-line. Продолжить?\rЗавершение приведет к неверной статистике."),
            platform::MessageIcon::Confirmation, platform::MessageButtons::YesNo);
        if (answer != platform::Answer::Yes)
            return;
    }
    end_program();
}

void TForm1::Hint1Click()
{
    clock_hint_active = true;
}

void TForm1::TrayIcon1BalloonHintClick()
{
    svc_.tray.hide_balloon();
    clock_hint_active = false;
}
