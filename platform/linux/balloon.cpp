#include "balloon.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>

namespace platform {

Balloon::Balloon() : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TrayBalloon"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setStyleSheet(QStringLiteral("#TrayBalloon { background: #ffffe1; color: black; }"));
    icon_ = new QLabel(this);
    title_ = new QLabel(this);
    text_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("BalloonTitle"));
    text_->setObjectName(QStringLiteral("BalloonText"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    text_->setWordWrap(true);
    auto *layout = new QGridLayout(this);
    layout->addWidget(icon_, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title_, 0, 1);
    layout->addWidget(text_, 1, 1);
    expiry_.setSingleShot(true);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
}

void Balloon::show_at(const QRect &icon, const QString &title, const QString &text, bool error, int timeout_s)
{
    // Like the classic tray balloons: a title of 63 characters, a text of 255 at most.
    title_->setText(title.left(63));
    text_->setText(QString(text.left(255)).replace(u'\r', u'\n'));
    icon_->setPixmap(style()
                         ->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation)
                         .pixmap(32, 32));
    setFixedWidth(300);
    adjustSize();

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint at = icon.isValid() ? QPoint(icon.center().x() - width() + 20, icon.top() - height() - 4)
                               : area.bottomRight() - QPoint(width() + 8, height() + 8);
    at.setX(std::clamp(at.x(), area.left(), area.right() - width()));
    at.setY(std::clamp(at.y(), area.top(), area.bottom() - height()));
    move(at);
    show();
    raise();
    expiry_.start(std::max(timeout_s, 1) * 1000);
}

void Balloon::mousePressEvent(QMouseEvent *)
{
    if (on_clicked)
        on_clicked();
    hide();
}

} // namespace platform
