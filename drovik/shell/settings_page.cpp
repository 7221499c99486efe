// The "Настройки" page: the program's options, the system switches and the auto power-off.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "drovik/Unit1.h"
#include "drovik/shell/widgets.h"

namespace {

QCheckBox *option(QWidget *group, QLayout *layout, const char *name, const QString &caption)
{
    auto *box = named(new QCheckBox(caption, group), name);
    layout->addWidget(box);
    return box;
}

} // namespace

void TForm1::build_settings_page(QWidget *page)
{
    use_small_type(page);

    program_options = new QGroupBox(QStringLiteral("Настройки программы"), page);
    program_options->setObjectName(QStringLiteral("GroupBox7"));
    auto *options = new QVBoxLayout(program_options);
    options->setSpacing(2);
    suiCheckBox4 = option(program_options, options, "suiCheckBox4",
                          QStringLiteral("Сворачивать при нажатии на кнопку \"крестик\""));
    suiCheckBox5 = option(program_options, options, "suiCheckBox5", QStringLiteral("Запускать свернутым в tray"));
    suiCheckBox6 = option(program_options, options, "suiCheckBox6", QStringLiteral("Отключить слежение за сетью"));
    suiCheckBox7 = option(program_options, options, "suiCheckBox7", QStringLiteral("Отключить слежение за модемом"));
    suiCheckBox8 =
        option(program_options, options, "suiCheckBox8", QStringLiteral("Отключить слежение за провайдерами"));
    suiCheckBox9 = option(program_options, options, "suiCheckBox9", QStringLiteral("Отключить расчет \"на лету\""));
    suiCheckBox10 = option(program_options, options, "suiCheckBox10", QStringLiteral("Показывать Hint у часов"));
    suiCheckBox11 = option(program_options, options, "suiCheckBox11", QStringLiteral("Защита от \"левого\" звонка"));
    options->addStretch(1);

    auto *system = new QGroupBox(QStringLiteral("Настройки Windows XP"), page);
    system->setObjectName(QStringLiteral("GroupBox8"));
    auto *switches = new QVBoxLayout(system);
    switches->setSpacing(2);
    Reestr1 = option(system, switches, "Reestr1",
                     QStringLiteral("Освобождать память от неиспользуемых DLL. Совет: включить"));
    suiCheckBox1 =
        option(system, switches, "suiCheckBox1", QStringLiteral("Оставлять ядро системы в памяти. Совет: включить"));
    suiCheckBox2 = option(system, switches, "suiCheckBox2", QStringLiteral("Большой системный кэш. Совет: включить"));

    PDJXPRadioGroup1 = new QGroupBox(QStringLiteral("Автовыключение компьютера"), page);
    PDJXPRadioGroup1->setObjectName(QStringLiteral("PDJXPRadioGroup1"));
    auto *power = new QGridLayout(PDJXPRadioGroup1);
    power_delays = new QButtonGroup(PDJXPRadioGroup1);
    const QString items[] = {QStringLiteral("5 минут"), QStringLiteral("10 минут"), QStringLiteral("20 минут "),
                             QStringLiteral("30 минут"), QStringLiteral("1 час")};
    for (int i = 0; i < 5; ++i) {
        auto *item = new QRadioButton(items[i], PDJXPRadioGroup1);
        power_delays->addButton(item, i);
        power->addWidget(item, i % 3, i / 3);
    }
    power_delays->button(0)->setChecked(true);
    suiButton10 = new QPushButton(QStringLiteral("Старт!"), PDJXPRadioGroup1);
    suiButton10->setObjectName(QStringLiteral("suiButton10"));
    power->addWidget(suiButton10, 2, 1);
    PDJXPRadioGroup1->setMaximumWidth(PDJXPRadioGroup1->sizeHint().width());

    suiButton1 = named(new QPushButton(QStringLiteral("Калибровка провайдров"), page), "suiButton1");
    suiButton2 = named(new QPushButton(QStringLiteral("Калибровка сетевых карт"), page), "suiButton2");
    auto *calibrations = new QHBoxLayout;
    calibrations->addWidget(suiButton1);
    calibrations->addWidget(suiButton2);
    calibrations->addStretch(1);

    // The options on the left, the power-off and the lock with its instructions on the right,
    // the system switches and the calibrations below.
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(4);
    grid->addWidget(program_options, 0, 0, 3, 1);
    grid->addWidget(PDJXPRadioGroup1, 0, 1);
    grid->addWidget(build_lock_group(page), 1, 1);
    grid->addWidget(Label63, 2, 1, Qt::AlignTop);
    grid->addWidget(system, 3, 0, 1, 2);
    grid->addLayout(calibrations, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);

    connect(suiCheckBox4, &QCheckBox::clicked, this, &TForm1::suiCheckBox4Click);
    connect(suiCheckBox5, &QCheckBox::clicked, this, &TForm1::suiCheckBox5Click);
    connect(suiCheckBox9, &QCheckBox::clicked, this, &TForm1::suiCheckBox9Click);
    connect(suiCheckBox10, &QCheckBox::clicked, this, &TForm1::suiCheckBox10Click);
    connect(Reestr1, &QCheckBox::clicked, this, &TForm1::Reestr1Click);
    connect(suiCheckBox1, &QCheckBox::clicked, this, &TForm1::suiCheckBox1Click);
    connect(suiCheckBox2, &QCheckBox::clicked, this, &TForm1::suiCheckBox2Click);
    connect(suiButton10, &QPushButton::clicked, this, &TForm1::suiButton10Click);
    connect(suiButton1, &QPushButton::clicked, this, &TForm1::suiButton1Click);
    connect(suiButton2, &QPushButton::clicked, this, &TForm1::suiButton2Click);
    connect(suiCheckBox6, &QCheckBox::clicked, this, &TForm1::suiCheckBox6Click);
    connect(suiCheckBox7, &QCheckBox::clicked, this, &TForm1::suiCheckBox7Click);
    connect(suiCheckBox8, &QCheckBox::clicked, this, &TForm1::suiCheckBox8Click);
}
