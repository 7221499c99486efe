#pragma once

#include <QStringList>

#include "platform/launcher.h"

namespace platform {

// Starts the first of a short list of desktop programs that is installed.
class LinuxLauncher : public Launcher {
public:
    // `search_path`: the folders to look in; empty for PATH.
    explicit LinuxLauncher(QStringList search_path = {});
    bool start(Program program, const QString &argument) override;
    bool run_in_terminal(const QStringList &command) override;

private:
    QStringList search_path_;
};

} // namespace platform
