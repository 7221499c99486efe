#pragma once

#include <functional>

#include <QString>

class QMenu;

namespace platform {

enum class BalloonIcon { Information, Error };
enum class TrayImage { Idle = 0, Online = 1 };

// The icon in the desktop's notification area.
class Tray {
public:
    virtual ~Tray() = default;
    // False where the desktop has no notification area.
    virtual bool available() const = 0;
    virtual bool visible() const = 0;
    virtual void set_visible(bool on) = 0;
    virtual void set_image(TrayImage image) = 0;
    virtual void set_hint(const QString &text) = 0;
    // The menu stays owned by the caller; its default action runs on a double click.
    virtual void set_menu(QMenu *menu) = 0;
    virtual void show_balloon(const QString &title, const QString &text, BalloonIcon icon, int timeout_s) = 0;
    virtual void hide_balloon() = 0;
    virtual void on_balloon_clicked(std::function<void()> handler) = 0;
    virtual void on_double_clicked(std::function<void()> handler) = 0;
};

} // namespace platform
