// Drovik: the program's entry. The data folder is the current directory.
#include <QApplication>
#include <QSessionManager>

#include "drovik/Unit1.h"
#include "platform/linux/linux_services.h"
#include "platform/linux/stop_signals.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora-xp"));
    // The window may hide to the tray; only an explicit end stops the program.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::LinuxServices linux_services;

    // Installed before anything can ask a question, so that a stop signal is never fatal. The
    // window's start-up may already wait in a box (the first-run question): close it, and end
    // the program as soon as the window exists.
    TForm1 *window = nullptr;
    bool stop_requested = false;
    platform::on_stop_signals(&app, [&] {
        stop_requested = true;
        linux_services.dialogs.stop_asking();
        if (window != nullptr)
            window->end_program();
    });

    if (!linux_services.single_instance.claim())
        return 0;

    TForm1 form(linux_services.services());
    window = &form;
    if (stop_requested)
        form.end_program();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, [&form](QSessionManager &) {
        form.end_program();
    });

    if (!form.ending()) {
        if (!form.start_hidden())
            form.show();
        QApplication::exec();
    }
    form.FormDestroy();
    return 0;
}
