// The "Сеть" page: a group for each card, the traffic prices and the refresh rate.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include "drovik/Unit1.h"
#include "drovik/shell/widgets.h"

namespace {

struct CardNames {
    const char *box, *ip, *in, *out, *speed, *saved, *picture, *every, *hours, *daily, *time, *at_exit, *clear;
};
constexpr CardNames kCardNames[] = {
    {"GBox1", "IPadd1", "in1", "out1", "speed1", "Save1", "Image4", "RadioButton3", "ComboBox1", "RadioButton1",
     "DateTimeP1", "RadioButton2", "suiButton3"},
    {"GBox2", "IPadd2", "in2", "out2", "speed2", "save2", "Image7", "RadioButton6", "ComboBox2", "RadioButton4",
     "DateTimeP2", "RadioButton5", "suiButton9"},
};

template <class W>
W *add(QGridLayout *grid, W *widget, int row, int column, int span = 1)
{
    grid->addWidget(widget, row, column, 1, span);
    return widget;
}

} // namespace

void TForm1::build_network_page(QWidget *page)
{
    use_small_type(page);
    auto *layout = new QGridLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    for (int c = 0; c < 2; ++c) {
        const CardNames &n = kCardNames[c];
        CardControls &card = cards[static_cast<std::size_t>(c)];
        card.box = named(new QGroupBox(QStringLiteral("Сетевая карта не определена"), page), n.box);
        // A long description must not widen the page: the caption is cut at the box's edge.
        card.box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        auto *grid = new QGridLayout(card.box);
        grid->setVerticalSpacing(1);
        grid->setContentsMargins(6, 2, 6, 2);
        card.ip = add(grid, named(new QLabel(QStringLiteral("IP адрес:"), card.box), n.ip), 0, 0, 4);
        card.in = add(grid, named(new QLabel(QStringLiteral("Байт получено/Стоимость:"), card.box), n.in), 1, 0, 4);
        card.out =
            add(grid, named(new QLabel(QStringLiteral("Байт отправлено/Стоимость:"), card.box), n.out), 2, 0, 4);
        card.speed = add(grid, named(new QLabel(QStringLiteral("Скорость, Мбит/сек:"), card.box), n.speed), 3, 0, 3);
        card.off_picture = add(grid, named(new QLabel(card.box), n.picture), 3, 3);
        card.off_picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
        card.off_picture->hide();

        // Each choice on its own line, its value indented below: the box is half the page wide.
        card.every = add(grid, named(new QRadioButton(QStringLiteral("Сохранять данные каждые"), card.box), n.every),
                         4, 0, 4);
        auto *hours_row = new QHBoxLayout;
        hours_row->setContentsMargins(22, 0, 0, 0);
        card.hours = named(new QComboBox(card.box), n.hours);
        for (int h = 1; h <= 12; ++h)
            card.hours->addItem(QString::number(h));
        hours_row->addWidget(card.hours);
        hours_row->addWidget(new QLabel(QStringLiteral("часа(ов)"), card.box));
        hours_row->addStretch(1);
        grid->addLayout(hours_row, 5, 0, 1, 4);
        card.daily = add(
            grid, named(new QRadioButton(QStringLiteral("Сохранять данные ежедневно в"), card.box), n.daily), 6, 0, 4);
        auto *time_row = new QHBoxLayout;
        time_row->setContentsMargins(22, 0, 0, 0);
        card.time = named(new QTimeEdit(card.box), n.time);
        card.time->setDisplayFormat(QStringLiteral("H:mm:ss"));
        time_row->addWidget(card.time);
        time_row->addStretch(1);
        grid->addLayout(time_row, 7, 0, 1, 4);
        card.at_exit = add(
            grid, named(new QRadioButton(QStringLiteral("Сохранять данные при выходе"), card.box), n.at_exit), 8, 0, 4);
        card.at_exit->setChecked(true);
        card.clear = add(grid, named(new QPushButton(QStringLiteral("Очистить статистику"), card.box), n.clear), 9, 0);
        card.saved = add(grid, named(new QLabel(QStringLiteral("Сохранения информации не было"), card.box), n.saved),
                         10, 0, 4);
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(11, 1);
        layout->addWidget(card.box, 0, c);
        layout->setColumnStretch(c, 1);
    }
    cards[0].timer = Card1;
    cards[1].timer = Card2;

    PDJXPGroupBox4 = named(new QGroupBox(QStringLiteral("Стоимость трафика"), page), "PDJXPGroupBox4");
    auto *prices = new QGridLayout(PDJXPGroupBox4);
    prices->setVerticalSpacing(3);
    RB7 = add(prices, named(new QRadioButton(QStringLiteral("Карта №1"), PDJXPGroupBox4), "RB7"), 0, 0);
    RB8 = add(prices, named(new QRadioButton(QStringLiteral("Карта №2"), PDJXPGroupBox4), "RB8"), 0, 1);
    RB7->setChecked(true);
    add(prices, new QLabel(QStringLiteral("1 Мб входящего трафика"), PDJXPGroupBox4), 1, 0);
    Edit1 = add(prices, named(new QLineEdit(QStringLiteral("0"), PDJXPGroupBox4), "Edit1"), 1, 1);
    add(prices, new QLabel(QStringLiteral("1 Мб исходящего трафика"), PDJXPGroupBox4), 2, 0);
    Edit2 = add(prices, named(new QLineEdit(QStringLiteral("0"), PDJXPGroupBox4), "Edit2"), 2, 1);
    price_error = add(prices, named(new QLabel(PDJXPGroupBox4), "price_error"), 3, 0, 2);
    price_error->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(PDJXPGroupBox4, 1, 0);

    RadioGroup1 = named(new QGroupBox(QStringLiteral("Скорость обновления"), page), "RadioGroup1");
    auto *rates = new QGridLayout(RadioGroup1);
    refresh_rates = new QButtonGroup(RadioGroup1);
    const QString items[] = {QStringLiteral("1 секунда"), QStringLiteral("1 минута"), QStringLiteral("5 минут"),
                             QStringLiteral("30 минут")};
    for (int i = 0; i < 4; ++i) {
        auto *item = new QRadioButton(items[i], RadioGroup1);
        refresh_rates->addButton(item, i);
        rates->addWidget(item, i % 2, i / 2);
    }
    refresh_rates->button(0)->setChecked(true);
    layout->addWidget(RadioGroup1, 1, 1, Qt::AlignTop);
    layout->setRowStretch(0, 1);

    using Handler = void (TForm1::*)();
    const Handler every[] = {&TForm1::RadioButton3Click, &TForm1::RadioButton6Click};
    const Handler daily[] = {&TForm1::RadioButton1Click, &TForm1::RadioButton4Click};
    const Handler at_exit[] = {&TForm1::RadioButton2Click, &TForm1::RadioButton5Click};
    const Handler hours[] = {&TForm1::ComboBox1Change, &TForm1::ComboBox2Change};
    const Handler time[] = {&TForm1::DateTimeP1Change, &TForm1::DateTimeP2Change};
    const Handler clear[] = {&TForm1::Button3Click, &TForm1::Button8Click};
    const Handler timer[] = {&TForm1::Card1Timer, &TForm1::Card2Timer};
    for (std::size_t c = 0; c < 2; ++c) {
        const CardControls &card = cards[c];
        connect(card.every, &QRadioButton::clicked, this, every[c]);
        connect(card.daily, &QRadioButton::clicked, this, daily[c]);
        connect(card.at_exit, &QRadioButton::clicked, this, at_exit[c]);
        connect(card.hours, &QComboBox::activated, this, hours[c]);
        connect(card.time, &QTimeEdit::userTimeChanged, this, time[c]);
        connect(card.clear, &QPushButton::clicked, this, clear[c]);
        connect(card.timer, &QTimer::timeout, this, timer[c]);
    }
    connect(RB7, &QRadioButton::clicked, this, &TForm1::RB7Click);
    connect(RB8, &QRadioButton::clicked, this, &TForm1::RB8Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);
    connect(refresh_rates, &QButtonGroup::idClicked, this, &TForm1::RadioGroup11Click);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == suiTabSheet2)
            TabSheet2Show();
    });
}
