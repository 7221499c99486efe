#pragma once

#include <functional>

#include <QFrame>
#include <QTimer>

class QLabel;

namespace platform {

// A balloon of our own beside the tray icon (or in the screen's corner without a tray): unlike a
// desktop notification it can be taken back and tells when it is clicked.
class Balloon : public QFrame {
public:
    Balloon();
    void show_at(const QRect &icon, const QString &title, const QString &text, bool error, int timeout_s);
    std::function<void()> on_clicked;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *icon_;
    QLabel *title_;
    QLabel *text_;
    QTimer expiry_;
};

} // namespace platform
