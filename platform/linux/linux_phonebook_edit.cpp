// Changing the pppd phonebook: the name check, renaming a peer file, and Debian's pppconfig for
// editing and creating entries.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include "linux_dialup.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Long enough for a password typed into the desktop's authentication dialog.
constexpr int kAdministratorWaitMs = 300000;

const QString kNoPppconfig = QStringLiteral(
    "Подключения создаёт и правит программа pppconfig. Установите её: sudo apt install pppconfig");
const QString kNoPkexec = QStringLiteral(
    "Для правки подключений нужны права администратора. Установите pkexec: sudo apt install pkexec");
const QString kNoTerminal =
    QStringLiteral("Не найден эмулятор терминала, в котором могла бы работать программа pppconfig.");

bool executable(const fs::path &file)
{
    return ::access(file.c_str(), X_OK) == 0;
}

} // namespace

bool LinuxDialup::is_valid_new_entry_name(const QString &name)
{
    // A name hidden from the phonebook list (".x", "x~") is as good as lost; one that begins with
    // "-" would be read as an option by pppd and pppconfig.
    if (name.isEmpty() || name.contains(u'/') || name.startsWith(u'.') || name.endsWith(u'~') || name.startsWith(u'-') ||
        name.toUtf8().size() > 255)
        return false;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    const auto entries = phonebook_entries();
    return std::find(entries.begin(), entries.end(), name) == entries.end();
}

std::optional<QString> LinuxDialup::rename_entry(const QString &old_name, const QString &new_name)
{
    if (!is_valid_new_entry_name(new_name) || old_name.isEmpty() || old_name.contains(u'/'))
        return QStringLiteral("недопустимое имя подключения");
    const fs::path folder = root_ / "etc/ppp/peers";
    const fs::path from = folder / old_name.toStdString();
    const fs::path to = folder / new_name.toStdString();
    // Never over an entry that appeared meanwhile.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    const int error = errno;
    if (error == EACCES || error == EPERM || error == EROFS) {
        if (error != EROFS && executable(root_ / "usr/bin/pkexec"))
            return rename_as_administrator(from, to);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

std::optional<QString> LinuxDialup::rename_as_administrator(const fs::path &from, const fs::path &to)
{
    const QString mv = QStandardPaths::findExecutable(QStringLiteral("mv"));
    if (mv.isEmpty())
        return QStringLiteral("mv не найден");
    QProcess process;
    process.setProgram(QString::fromStdString((root_ / "usr/bin/pkexec").string()));
    process.setArguments({mv, QStringLiteral("--no-clobber"), QStringLiteral("--no-target-directory"),
                          QStringLiteral("--"), QString::fromStdString(from.string()),
                          QString::fromStdString(to.string())});
    process.setStandardInputFile(QProcess::nullDevice());
    // The window keeps working while the desktop asks for the password.
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kAdministratorWaitMs, &loop, &QEventLoop::quit);
    process.start();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        return QStringLiteral("нет ответа на запрос прав администратора");
    }
    // mv --no-clobber succeeds without moving when the name is taken: look at the result itself.
    std::error_code ec;
    if (fs::exists(to, ec) && !fs::exists(from, ec))
        return std::nullopt;
    const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return said.isEmpty() ? QStringLiteral("переименование не разрешено") : said;
}

bool LinuxDialup::run_pppconfig(const QStringList &arguments)
{
    const fs::path pppconfig = root_ / "usr/sbin/pppconfig";
    const fs::path pkexec = root_ / "usr/bin/pkexec";
    if (!executable(pppconfig)) {
        tell_once(kNoPppconfig);
        return false;
    }
    // pkexec inside the terminal, not the terminal under pkexec: that one would lose the display.
    QStringList command;
    if (executable(pkexec))
        command << QString::fromStdString(pkexec.string());
    else if (::geteuid() != 0) {
        tell_once(kNoPkexec);
        return false;
    }
    command << QString::fromStdString(pppconfig.string()) << arguments;
    if (terminal_ == nullptr || !terminal_->run_in_terminal(command)) {
        tell_once(kNoTerminal);
        return false;
    }
    return true;
}

bool LinuxDialup::edit_entry(const QString &name)
{
    if (name.isEmpty())
        return false;
    return run_pppconfig({name});
}

bool LinuxDialup::create_entry()
{
    return run_pppconfig({});
}

} // namespace platform
