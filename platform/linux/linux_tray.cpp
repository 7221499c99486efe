#include "linux_tray.h"

#include <QPainter>
#include <QPixmap>

namespace platform {
namespace {

// A plain disc: grey while idle, green while a session is watched.
QIcon disc(const QColor &color)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(color);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(3, 3, 26, 26);
    return QIcon(pixmap);
}

} // namespace

LinuxTray::LinuxTray()
{
    set_image(TrayImage::Idle);
}

bool LinuxTray::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void LinuxTray::set_image(TrayImage image)
{
    icon_.setIcon(disc(image == TrayImage::Online ? QColor(40, 170, 60) : QColor(150, 150, 150)));
}

void LinuxTray::show_balloon(const QString &title, const QString &text, BalloonIcon icon, int timeout_s)
{
    const QRect at = available() && icon_.isVisible() ? icon_.geometry() : QRect();
    balloon_.show_at(at, title, text, icon == BalloonIcon::Error, timeout_s);
}

void LinuxTray::hide_balloon()
{
    balloon_.hide();
}

void LinuxTray::on_balloon_clicked(std::function<void()> handler)
{
    balloon_.on_clicked = std::move(handler);
}

void LinuxTray::on_double_clicked(std::function<void()> handler)
{
    QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_,
                     [handler = std::move(handler)](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick)
                             handler();
                     });
}

} // namespace platform
