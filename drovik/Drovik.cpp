// Drovik: the program's entry. For now it opens its window over the data folder (the current
// directory), and saves the data files when the window closes or a stop signal arrives.
#include <csignal>
#include <cstdio>

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

#include "datastore/data_files.h"

namespace {

int g_signal_pipe[2] = {-1, -1};

void on_stop_signal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_signal_pipe[1], &byte, 1);
}

// A signal may only wake the event loop; quitting happens on the loop's own thread.
void quit_on_stop_signals(QApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signal_pipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signal_pipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto n = ::read(g_signal_pipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action {};
    action.sa_handler = on_stop_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora XP"));
    quit_on_stop_signals(app);

    auto data = datastore::make_data_set();
    datastore::load_all(*data);

    QWidget window;
    window.setObjectName(QStringLiteral("TForm1"));
    window.setWindowTitle(QStringLiteral("Velmora XP"));
    window.setFixedSize(749, 433);
    window.show();

    const int code = app.exec();

    for (const auto &error : datastore::save_all(*data))
        std::fprintf(stderr, "%s\n", qUtf8Printable(error.text()));
    return code;
}
