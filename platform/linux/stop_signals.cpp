#include "stop_signals.h"

#include <csignal>

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

int g_wake[2] = {-1, -1};

void on_signal(int)
{
    // Only async-signal-safe work here: wake the event loop.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_wake[1], &byte, 1);
    errno = saved;
}

} // namespace

void on_stop_signals(QObject *context, std::function<void()> handler)
{
    if (g_wake[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_wake) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_wake[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [handler = std::move(handler)] {
        char buffer[16];
        while (::read(g_wake[0], buffer, sizeof buffer) > 0) {
        }
        handler();
    });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace platform
