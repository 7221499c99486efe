#pragma once

#include <functional>

class QObject;

namespace platform {

// Runs `handler` on the event loop's thread when SIGTERM, SIGINT or SIGHUP arrives, also while a
// nested loop (a modal box) runs. The handler lives as long as `context`.
void on_stop_signals(QObject *context, std::function<void()> handler);

} // namespace platform
