// The provider calibration and the buttons and options that act on the phonebook.
#include <QCheckBox>
#include <QListWidget>
#include <QTimer>

#include "datastore/cp1251.h"
#include "drovik/Unit1.h"
#include "drovik/monitor/provider_calibration.h"
#include "drovik/shell/timers.h"

namespace {

// A slot holds 50 Windows-1251 characters; a name it cannot hold exactly would no longer match
// its entry, and the provider could not be recognised when it dials.
bool fits_a_slot(const QString &name)
{
    const std::string bytes = datastore::to_cp1251(name);
    return bytes.size() <= 50 && datastore::from_cp1251(bytes) == name;
}

} // namespace

void TForm1::suiButton1Click()
{
    const platform::Answer answer =
        svc_.dialogs.message(QStringLiteral("Осторожно! Все настройки провайдеров будут сбиты! Продолжить?"),
                             platform::MessageIcon::Confirmation, platform::MessageButtons::YesNo);
    if (answer == platform::Answer::Yes) {
        std::vector<std::string> names;
        for (int i = 0; i < lstEntries->count(); ++i)
            names.push_back(datastore::to_cp1251(lstEntries->item(i)->text()));
        calibrate_providers(data_->providers, data_->tariff, settings(), names);
        svc_.dialogs.message(QStringLiteral("Калибровка закончена. Настройте параметры для каждого провайдера"),
                             platform::MessageIcon::None, platform::MessageButtons::Ok);
    }
    Save_ini();
}

void TForm1::suiButton11Click()
{
    const int p = current_provider;
    if (p < 1 || p > datastore::kSlots || p > lstEntries->count())
        return;
    const QString old = datastore::provider_texts(data_->providers, p).name.text();
    const QString entry = lstEntries->item(p - 1)->text();
    const auto typed = svc_.dialogs.input_box(QStringLiteral("Переименование ") + old + QStringLiteral(" в:"),
                                              QStringLiteral("New Connection Name"), QString());
    if (!typed || !svc_.dialup.is_valid_new_entry_name(*typed))
        return;
    if (!fits_a_slot(*typed)) {
        svc_.dialogs.message(QStringLiteral("Имя подключения должно быть не длиннее 50 знаков, из русских и "
                                            "латинских букв, цифр и знаков препинания."),
                             platform::MessageIcon::Error, platform::MessageButtons::Ok);
        return;
    }
    // A slot renamed without its entry would lose its provider: the name changes only with it.
    if (const auto refused = svc_.dialup.rename_entry(entry, *typed)) {
        svc_.dialogs.message(QStringLiteral("Не удалось переименовать подключение: ") + *refused,
                             platform::MessageIcon::Error, platform::MessageButtons::Ok);
        return;
    }
    datastore::provider_texts(data_->providers, p).name.assign(*typed);
    FormShow();
}

void TForm1::tell_dialog_failure()
{
    svc_.dialogs.message(QStringLiteral("Ошибка вызова функции!"), platform::MessageIcon::None,
                         platform::MessageButtons::Ok);
    tell_phonebook_notice();
}

void TForm1::Button4Click()
{
    if (lstEntries->currentRow() < 0 && lstEntries->count() > 0)
        lstEntries->setCurrentRow(0);
    const QListWidgetItem *selected = lstEntries->currentItem();
    if (!svc_.dialup.edit_entry(selected != nullptr ? selected->text() : QString()))
        tell_dialog_failure();
}

void TForm1::fsBitBtn9Click()
{
    if (!svc_.dialup.create_entry())
        tell_dialog_failure();
}

void TForm1::suiButton22Click()
{
    // The library edits the files, not this window's records: everything unsaved goes first, so
    // the reload afterwards loses nothing of this run.
    write_all_records();
    if (loaddll()) {
        svc_.tariff_library.show_tarif_form(reinterpret_cast<std::intptr_t>(this), current_provider);
        tell_tariff_failure();
        unloaddll();
    }
    load_dat();
    FormShow();
}

void TForm1::Button21Click()
{
    Inet_disconnect();
}

void TForm1::suiCheckBox7Click()
{
    settings().modem_watch_off = suiCheckBox7->isChecked() ? 1 : 0;
    show_modem_watch_state();
}

void TForm1::suiCheckBox8Click()
{
    settings().provider_watch_off = suiCheckBox8->isChecked() ? 1 : 0;
    set_running(Timer2, !suiCheckBox8->isChecked());
}
