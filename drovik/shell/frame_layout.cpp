// The frame of the main window: pages, right-hand column, status bar and timers. Each page's own
// controls are laid out by the subsystem that owns the page.
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "drovik/Unit1.h"
#include "drovik/shell/pictures.h"
#include "drovik/shell/product.h"
#include "drovik/shell/widgets.h"

namespace {

QLabel *picture(const QPixmap &pixmap, const char *name, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setPixmap(pixmap);
    return label;
}

QTimer *timer(QObject *parent, const char *name, int interval_ms)
{
    auto *t = named(new QTimer(parent), name);
    t->setInterval(interval_ms);
    return t;
}

} // namespace

void TForm1::build_frame()
{
    setObjectName(QStringLiteral("TForm1"));
    setFixedSize(749, 433);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    const std::pair<QWidget **, const char *> pages[] = {
        {&suiTabSheet1, "suiTabSheet1"}, {&suiTabSheet2, "suiTabSheet2"}, {&suiTabSheet5, "suiTabSheet5"},
        {&suiTabSheet6, "suiTabSheet6"}, {&suiTabSheet3, "suiTabSheet3"}};
    const QString captions[] = {QStringLiteral("Модем"), QStringLiteral("Сеть"), QStringLiteral("Почта"),
                                QStringLiteral("Настройки"), QStringLiteral("О программе")};
    for (int i = 0; i < 5; ++i) {
        *pages[i].first = named(new QWidget(PageControl1), pages[i].second);
        PageControl1->addTab(*pages[i].first, captions[i]);
    }
    build_about_page(suiTabSheet3);

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {205, 225, 0};
    for (int i = 0; i < 3; ++i) {
        status_panels[i] = new QLabel(StatusBar1);
        status_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        status_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            status_panels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(status_panels[i], widths[i] > 0 ? 0 : 1);
    }
    status_panels[0]->setText(QStringLiteral("Слежение за сетью отключено"));

    auto *top = new QHBoxLayout;
    top->setContentsMargins(4, 4, 4, 0);
    top->addWidget(PageControl1, 1);
    top->addWidget(build_right_column());
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);
    outer->addLayout(top, 1);
    outer->addWidget(StatusBar1);

    Timer1 = timer(this, "Timer1", 1000);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer2 = timer(this, "Timer2", 5000);
    Timer3 = timer(this, "Timer3", 1000);
    Card1 = timer(this, "Card1", 3600000);
    Card2 = timer(this, "Card2", 3600000);
    autopower = timer(this, "autopower", 300000);
    mail = timer(this, "mail", 300000);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // Armed again first, so that ticks keep coming while this one waits in a box.
        schedule_tick();
        Timer1Timer();
    });
    connect(Timer2, &QTimer::timeout, this, &TForm1::check_prov);
    connect(autopower, &QTimer::timeout, this, &TForm1::autopowerTimer);
}

void TForm1::build_about_page(QWidget *page)
{
    QFont title_font = font();
    title_font.setPointSize(26);
    title_font.setBold(true);
    // Two labels over each other, the lower one offset as a shadow.
    Label67 = named(new QLabel(page), "Label67");
    Label66 = named(new QLabel(page), "Label66");
    for (QLabel *label : {Label67, Label66})
        label->setFont(title_font);
    Label67->setStyleSheet(QStringLiteral("color: #9a9a9a;"));
    Label66->setStyleSheet(QStringLiteral("color: #1e5aaa;"));
    Label67->setGeometry(172, 82, 360, 50);
    Label66->setGeometry(170, 80, 360, 50);
    picture(pictures::product(), "Image1", page)->setGeometry(50, 60, 96, 96);
}

QWidget *TForm1::build_right_column()
{
    auto *column = named(new QWidget(this), "RightColumn");
    column->setFixedWidth(150);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 22, 0, 4);

    suiButton7 = named(new QPushButton(QStringLiteral("Калькулятор"), column), "suiButton7");
    suiButton8 = named(new QPushButton(QStringLiteral("Отчеты"), column), "suiButton8");
    layout->addWidget(suiButton7);
    connect(suiButton7, &QPushButton::clicked, this, &TForm1::fsBitBtn6Click);
    layout->addWidget(suiButton8);

    auto *power_row = new QHBoxLayout;
    Image6 = picture(pictures::power_off(), "Image6", column);
    Label46 = named(new QLabel(QStringLiteral("Включен режим автовыключения компьютера."), column), "Label46");
    Label46->setWordWrap(true);
    power_row->addWidget(Image6);
    power_row->addWidget(Label46, 1);
    layout->addLayout(power_row);
    Image6->hide();
    Label46->hide();

    auto *lock_row = new QHBoxLayout;
    Image12 = picture(pictures::lock(), "Image12", column);
    dialup1 = named(new QCheckBox(QStringLiteral("Запрет Dual-up"), column), "dialup1");
    lock_row->addWidget(dialup1, 1);
    lock_row->addWidget(Image12);
    layout->addLayout(lock_row);
    Image12->hide();

    suiButton12 = named(new QPushButton(QStringLiteral("Свернуть в Tray"), column), "suiButton12");
    layout->addWidget(suiButton12);
    suiButton12->hide();

    auto *activity_row = new QHBoxLayout;
    activity_row->addWidget(named(new QLabel(QStringLiteral("Активность"), column), "Label47"));
    Image13 = picture(pictures::activity(true), "Image13", column);
    Image14 = picture(pictures::activity(false), "Image14", column);
    activity_row->addWidget(Image13);
    activity_row->addWidget(Image14);
    activity_row->addStretch(1);
    layout->addLayout(activity_row);
    Image13->hide();

    Button21 = named(new QPushButton(QStringLiteral("Разорвать связь"), column), "Button21");
    layout->addWidget(Button21);
    Button21->hide();

    layout->addStretch(1);
    exitbut = named(new QPushButton(QStringLiteral("Выход"), column), "exitbut");
    layout->addWidget(exitbut);
    connect(exitbut, &QPushButton::clicked, this, &TForm1::exitbutClick);
    return column;
}
