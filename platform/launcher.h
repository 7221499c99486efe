#pragma once

#include <QString>
#include <QStringList>

namespace platform {

enum class Program { Calculator, TextEditor, InternetOptions, FileBrowser };

// Starts the desktop's own programs.
class Launcher {
public:
    virtual ~Launcher() = default;
    // `argument`: a file or folder for the program, or empty. False when nothing could be started.
    virtual bool start(Program program, const QString &argument = {}) = 0;
    // Runs `command` (program and arguments) in a terminal window of the desktop, as the user.
    // False when no terminal could be started.
    virtual bool run_in_terminal(const QStringList &command) = 0;
};

} // namespace platform
