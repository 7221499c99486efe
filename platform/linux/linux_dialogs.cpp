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

Answer LinuxDialogs::message(const QString &text, MessageIcon icon, MessageButtons buttons)
{
    if (stopped_) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return Answer::None;
    }
    QMessageBox box(qt_icon(icon), caption_of(icon), text, QMessageBox::NoButton, QApplication::activeWindow());
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
    box.exec();
    // A box whose loop was ended from outside (a stop signal) has no clicked button: no answer.
    const QAbstractButton *clicked = box.clickedButton();
    if (clicked == nullptr)
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
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> LinuxDialogs::open_file(const QString &caption, const QString &filter)
{
    if (stopped_)
        return std::nullopt;
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(), filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

} // namespace platform
