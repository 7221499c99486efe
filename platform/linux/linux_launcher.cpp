#include "linux_launcher.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {
namespace {

struct Candidate {
    const char *program;
    const char *argument; // nullptr: none, else one fixed argument
};

std::vector<Candidate> candidates(Program program)
{
    switch (program) {
    case Program::Calculator:
        return {{"gnome-calculator", nullptr}, {"kcalc", nullptr}, {"mate-calc", nullptr},
                {"galculator", nullptr},       {"qalculate-gtk", nullptr}, {"xcalc", nullptr}};
    case Program::TextEditor:
        return {{"gnome-text-editor", nullptr}, {"gedit", nullptr}, {"kate", nullptr},  {"kwrite", nullptr},
                {"mousepad", nullptr},          {"pluma", nullptr}, {"xed", nullptr},   {"featherpad", nullptr},
                {"leafpad", nullptr},           {"xedit", nullptr}};
    case Program::InternetOptions:
        return {{"gnome-control-center", "network"}, {"nm-connection-editor", nullptr},
                {"systemsettings", "kcm_networkmanagement"}, {"xfce4-settings-manager", nullptr}};
    case Program::FileBrowser:
        return {{"xdg-open", nullptr}};
    }
    return {};
}

// Debian's alternative first: it promises xterm's "-e program arguments..." whatever it points to.
constexpr Candidate kTerminals[] = {
    {"x-terminal-emulator", "-e"}, {"gnome-terminal", "--"}, {"konsole", "-e"}, {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},       {"qterminal", "-e"},      {"terminator", "-x"}, {"xterm", "-e"},
};

} // namespace

LinuxLauncher::LinuxLauncher(QStringList search_path) : search_path_(std::move(search_path)) {}

bool LinuxLauncher::start(Program program, const QString &argument)
{
    for (const Candidate &c : candidates(program)) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(c.program), search_path_);
        if (found.isEmpty())
            continue;
        QStringList arguments;
        if (c.argument != nullptr)
            arguments << QLatin1String(c.argument);
        if (!argument.isEmpty())
            arguments << argument;
        return QProcess::startDetached(found, arguments);
    }
    return false;
}

bool LinuxLauncher::run_in_terminal(const QStringList &command)
{
    for (const Candidate &c : kTerminals) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(c.program), search_path_);
        if (!found.isEmpty())
            return QProcess::startDetached(found, QStringList{QLatin1String(c.argument)} + command);
    }
    return false;
}

} // namespace platform
