#pragma once

#include <QString>

namespace platform {

enum class Program { Calculator, TextEditor, InternetOptions, FileBrowser };

// Starts the desktop's own programs.
class Launcher {
public:
    virtual ~Launcher() = default;
    // `argument`: a file or folder for the program, or empty. False when nothing could be started.
    virtual bool start(Program program, const QString &argument = {}) = 0;
};

} // namespace platform
