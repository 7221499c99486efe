// The system switches, the auto power-off and the launchers.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "drovik/Unit1.h"

namespace {

const QString kExplorerKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer");
const QString kMemoryKey = QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management");
const QString kAlwaysUnloadDll = QStringLiteral("AlwaysUnloadDLL");
const QString kDisablePagingExecutive = QStringLiteral("DisablePagingExecutive");
const QString kLargeSystemCache = QStringLiteral("LargeSystemCache");

constexpr int kPowerDelaysMs[] = {300000, 600000, 1200000, 1800000, 3600000};

} // namespace

void TForm1::read_registry_switches()
{
    auto is_one = [this](const QString &key, const QString &value) { return svc_.registry.read(key, value) == 1u; };
    Reestr1->setChecked(is_one(kExplorerKey, kAlwaysUnloadDll));
    // Inverted: ticked while the kernel may be paged out.
    suiCheckBox1->setChecked(!is_one(kMemoryKey, kDisablePagingExecutive));
    suiCheckBox2->setChecked(is_one(kMemoryKey, kLargeSystemCache));
}

void TForm1::Reestr1Click()
{
    svc_.registry.write(kExplorerKey, kAlwaysUnloadDll, Reestr1->isChecked() ? 1 : 0);
}

void TForm1::suiCheckBox1Click()
{
    svc_.registry.write(kMemoryKey, kDisablePagingExecutive, suiCheckBox1->isChecked() ? 0 : 1);
}

void TForm1::suiCheckBox2Click()
{
    svc_.registry.write(kMemoryKey, kLargeSystemCache, suiCheckBox2->isChecked() ? 1 : 0);
}

void TForm1::suiButton10Click()
{
    if (autopower->isActive()) {
        suiButton10->setText(QStringLiteral("Старт!"));
        autopower->stop();
    } else {
        suiButton10->setText(QStringLiteral("Стоп"));
        const int item = power_delays->checkedId();
        if (item >= 0 && item < 5)
            autopower->setInterval(kPowerDelaysMs[item]);
        autopower->start();
    }
    Label46->setVisible(autopower->isActive());
    Image6->setVisible(autopower->isActive());
}

void TForm1::save_before_power_off()
{
    // The system ends the program without waiting for it: log a running call and write every
    // file now, or the changes since the last write would be lost.
    if (online)
        session_end_steps();
    write_all_records();
}

void TForm1::autopowerTimer()
{
    save_before_power_off();
    if (svc_.power.power_off(true))
        return;
    // Refused (no logind, no rights, an inhibitor): asking again every period would only save
    // and fail again, so the timer stops and the user is told once.
    autopower->stop();
    suiButton10->setText(QStringLiteral("Старт!"));
    Label46->hide();
    Image6->hide();
    if (!power_refusal_told_) {
        power_refusal_told_ = true;
        svc_.dialogs.message(QStringLiteral("Система не разрешила выключить компьютер. Автовыключение остановлено."),
                             platform::MessageIcon::Error, platform::MessageButtons::Ok);
    }
}

void TForm1::launch(platform::Program program, const QString &what)
{
    if (svc_.launcher.start(program) || !missing_programs_told_.insert(program).second)
        return;
    svc_.dialogs.message(QStringLiteral("Не найдена программа: ") + what, platform::MessageIcon::Information,
                         platform::MessageButtons::Ok);
}

void TForm1::fsBitBtn6Click()
{
    launch(platform::Program::Calculator, QStringLiteral("калькулятор"));
}

void TForm1::N18Click()
{
    launch(platform::Program::TextEditor, QStringLiteral("текстовый редактор"));
}

void TForm1::fsBitBtn17Click()
{
    launch(platform::Program::InternetOptions, QStringLiteral("настройки сети"));
}
