// The "Модем" page: the provider list and panel, the running connection's figures, the modem.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

#include "drovik/Unit1.h"
#include "drovik/shell/widgets.h"

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    return named(new QLabel(text, parent), name);
}

QLabel *warning_picture(QWidget *parent, const char *name)
{
    auto *picture = named(new QLabel(parent), name);
    picture->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(20, 20));
    picture->hide();
    return picture;
}

} // namespace

void TForm1::build_modem_page(QWidget *page)
{
    lstEntries = named(new QListWidget(page), "lstEntries");
    lstEntries->setGeometry(6, 6, 150, 176);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Информация о провайдере"), page), "GroupBox1");
    GroupBox1->setGeometry(162, 0, 420, 186);
    auto *info = new QGridLayout(GroupBox1);
    info->setContentsMargins(6, 2, 6, 2);
    info->setVerticalSpacing(0);
    auto pair = [&](int row, const char *caption_name, const QString &caption, QLabel *&value, const char *value_name,
                    const QString &start) {
        info->addWidget(label(GroupBox1, caption_name, caption), row, 0);
        value = label(GroupBox1, value_name, start);
        info->addWidget(value, row, 1, 1, 2);
    };
    pair(0, "Label5", QStringLiteral("Потраченое время:"), Label6, "Label6", QStringLiteral("00:00:00"));
    pair(1, "Label7", QStringLiteral("Cумма на счете:"), Label8, "Label8", QStringLiteral("0"));
    pair(2, "Label42", QStringLiteral("Предполагаемый остаток времени*:"), Label43, "Label43", QStringLiteral("0"));
    pair(3, "Label11", QStringLiteral("Число звонков:"), Label12, "Label12", QStringLiteral("0"));
    pair(4, "Label44", QStringLiteral("Дата и время последнего звонка:"), Label45, "Label45", QStringLiteral("3"));
    Label62 = label(GroupBox1, "Label62", QStringLiteral("IP адрес:"));
    info->addWidget(Label62, 5, 0, 1, 3);
    info->addWidget(label(GroupBox1, "Label53", QStringLiteral("* Расчет по максимальному тарифу")), 6, 0, 1, 3);
    Image9 = warning_picture(GroupBox1, "Image9");
    info->addWidget(Image9, 1, 3);
    suiCheckBox3 = named(new QCheckBox(QStringLiteral("Показ счета за текущий месяц"), GroupBox1), "suiCheckBox3");
    info->addWidget(suiCheckBox3, 7, 0, 1, 3);
    info->setColumnStretch(1, 1);
    suiButton11 = named(new QPushButton(QStringLiteral("Переименовать"), GroupBox1), "suiButton11");
    suiButton22 = named(new QPushButton(QStringLiteral("Настройки тарифов"), GroupBox1), "suiButton22");
    suiButton4 = named(new QPushButton(QStringLiteral("Свойства подключения"), GroupBox1), "suiButton4");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {suiButton11, suiButton22, suiButton4})
        buttons->addWidget(b);
    info->addLayout(buttons, 8, 0, 1, 4);

    GroupBox2 = named(new QGroupBox(QStringLiteral("Статистика активного подключения"), page), "GroupBox2");
    GroupBox2->setGeometry(6, 186, 576, 128);
    auto *live = new QGridLayout(GroupBox2);
    live->setContentsMargins(6, 2, 6, 2);
    live->setVerticalSpacing(0);
    Label23 = label(GroupBox2, "Label23", QStringLiteral("Байт принято: 0   Байт отправлено: 0"));
    live->addWidget(Label23, 0, 0, 1, 3);
    const std::tuple<const char *, QString, QLabel **, const char *, QString> timers[] = {
        {"GroupBox3", QStringLiteral("Время сеанса"), &Label14, "Label14", QStringLiteral("0:00:00")},
        {"GroupBox4", QStringLiteral("Полное время"), &Label13, "Label13", QStringLiteral("0:00:00")},
        {"GroupBox5", QStringLiteral("Прогноз отключения"), &Label15, "Label15", QStringLiteral("0 сут. 0:00:00")},
    };
    int column = 0;
    for (const auto &[group_name, caption, value, value_name, start] : timers) {
        auto *group = named(new QGroupBox(caption, GroupBox2), group_name);
        auto *inside = new QVBoxLayout(group);
        inside->setContentsMargins(6, 0, 6, 2);
        *value = label(group, value_name, start);
        inside->addWidget(*value);
        live->addWidget(group, 1, column++);
    }
    Label17 = label(GroupBox2, "Label17", QStringLiteral("Сумма на счете - 0"));
    Label18 = label(GroupBox2, "Label18", QStringLiteral("Текущий тариф - 0"));
    live->addWidget(Label17, 2, 0);
    live->addWidget(Label18, 2, 1);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Предупредить за 5 минут до отключения"), GroupBox2), "CheckBox1");
    live->addWidget(CheckBox1, 3, 0, 1, 2);
    Image5 = warning_picture(GroupBox2, "Image5");
    live->addWidget(Image5, 3, 2, Qt::AlignRight);

    Label58 = label(page, "Label58", QStringLiteral("Модем:"));
    Label59 = label(page, "Label59", QStringLiteral("Порт модема:"));
    suiButton6 = named(new QPushButton(QStringLiteral("Создать подключение"), page), "suiButton6");
    suiButton5 = named(new QPushButton(QStringLiteral("Свойства обозревателя"), page), "suiButton5");
    Label58->setGeometry(8, 316, 250, 18);
    Label59->setGeometry(8, 336, 250, 18);
    suiButton6->setGeometry(262, 322, 156, 28);
    suiButton5->setGeometry(424, 322, 156, 28);

    connect(suiButton5, &QPushButton::clicked, this, &TForm1::fsBitBtn17Click);
    connect(suiButton11, &QPushButton::clicked, this, &TForm1::suiButton11Click);
    connect(suiButton22, &QPushButton::clicked, this, &TForm1::suiButton22Click);
    connect(suiButton4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(suiButton6, &QPushButton::clicked, this, &TForm1::fsBitBtn9Click);
    connect(Button21, &QPushButton::clicked, this, &TForm1::Button21Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == suiTabSheet1)
            TabSheet1Show();
    });
    connect(lstEntries, &QListWidget::itemClicked, this, &TForm1::lstEntries1Click);
    connect(suiCheckBox3, &QCheckBox::clicked, this, &TForm1::suiCheckBox3Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(suiCheckBox11, &QCheckBox::clicked, this, &TForm1::suiCheckBox11Click);
}
