#pragma once

#include <QSystemTrayIcon>

#include "platform/linux/balloon.h"
#include "platform/tray.h"

namespace platform {

// The tray icon through Qt's system tray support.
class LinuxTray : public Tray {
public:
    LinuxTray();
    bool available() const override;
    bool visible() const override { return icon_.isVisible(); }
    void set_visible(bool on) override { icon_.setVisible(on); }
    void set_image(TrayImage image) override;
    void set_hint(const QString &text) override { icon_.setToolTip(text); }
    void set_menu(QMenu *menu) override { icon_.setContextMenu(menu); }
    void show_balloon(const QString &title, const QString &text, BalloonIcon icon, int timeout_s) override;
    void hide_balloon() override;
    void on_balloon_clicked(std::function<void()> handler) override;
    void on_double_clicked(std::function<void()> handler) override;

    // The balloon on screen, for tests and screenshots.
    const Balloon &balloon() const { return balloon_; }

private:
    QSystemTrayIcon icon_;
    Balloon balloon_;
};

} // namespace platform
