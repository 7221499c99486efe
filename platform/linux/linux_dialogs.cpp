#include "linux_dialogs.h"

#include <cstdio>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

QString caption_of(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QStringLiteral("Ошибка");
    case MessageIcon::Information: return QStringLiteral("Информация");
    case MessageIcon::Confirmation: return QStringLiteral("Подтверждение");
    case MessageIcon::None: break;
    }
    return QApplication::applicationDisplayName();
}

QMessageBox::Icon qt_icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Confirmation: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void LinuxDialogs::stop_asking()
{
    stopped_ = true;
    if (open_)
        open_->done(QDialog::Rejected);
}

int LinuxDialogs::run(QDialog &dialog)
{
    open_ = &dialog;
    const int result = dialog.exec();
    open_ = nullptr;
    return result;
}

Answer LinuxDialogs::message(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    if (stopped_) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return Answer::None;
    }
    // The messages break their lines with a carriage return alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(qt_icon(icon), caption_of(icon), shown, QMessageBox::NoButton, QApplication::activeWindow());
    QAbstractButton *ok = nullptr;
    QAbstractButton *yes = nullptr;
    QAbstractButton *no = nullptr;
    switch (buttons) {
    case MessageButtons::Ok: ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole); break;
    case MessageButtons::Yes: yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole); break;
    case MessageButtons::YesNo:
        yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setEscapeButton(no);
        break;
    }
    run(box);
    // A box closed because the program is ending gives no answer, whatever it shows.
    const QAbstractButton *clicked = box.clickedButton();
    if (stopped_ || clicked == nullptr)
        return Answer::None;
    if (clicked == ok)
        return Answer::Ok;
    if (clicked == yes)
        return Answer::Yes;
    if (clicked == no)
        return Answer::No;
    return Answer::None;
}

std::optional<QString> LinuxDialogs::input_box(const QString &caption, const QString &prompt, const QString &value)
{
    if (stopped_)
        return std::nullopt;
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    if (run(dialog) != QDialog::Accepted || stopped_)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> LinuxDialogs::open_file(const QString &caption, const QString &filter)
{
    if (stopped_)
        return std::nullopt;
    QFileDialog dialog(QApplication::activeWindow(), caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (run(dialog) != QDialog::Accepted || stopped_ || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace platform
