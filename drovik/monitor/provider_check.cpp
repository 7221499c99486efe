// Keeping the provider list in step with the phonebook, and identifying a new connection.
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>

#include "drovik/Unit1.h"
#include "drovik/monitor/provider_identity.h"

void TForm1::check_prov()
{
    const int remembered = lstEntries->currentRow();
    lstEntries->clear();
    const std::vector<QString> entries = svc_.dialup.phonebook_entries();
    if (entries.empty()) {
        GroupBox1->hide();
        tell_phonebook_notice();
        return;
    }
    GroupBox1->show();
    for (const QString &entry : entries)
        lstEntries->addItem(entry);
    if (remembered >= 0 && remembered < lstEntries->count()) {
        const QSignalBlocker quiet(lstEntries);
        lstEntries->setCurrentRow(remembered);
    }

    // The slots hold nine entries; a longer phonebook must not look changed on every check.
    const int count = slot_count(entries.size());
    const int known = settings().provider_count;
    if (known < count && settings().foreign_call_guard == 1) {
        svc_.dialogs.message(
            QStringLiteral("VELMORA XP! Отключите защиту от левого звонка!\rИначе Вы не сможете подключиться!"),
            platform::MessageIcon::Confirmation, platform::MessageButtons::Yes);
    }
    if (count != known && known != 0) {
        const auto table = names_table(entries);
        write_all_records();
        if (loaddll()) {
            svc_.tariff_library.change_record(static_cast<std::uint8_t>(count), table.data());
            tell_tariff_failure();
            unloaddll();
        }
        load_dat();
        Change_prov(1);
    }
}

void TForm1::tell_phonebook_notice()
{
    if (const auto notice = svc_.dialup.take_phonebook_notice())
        svc_.dialogs.message(*notice, platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

QString TForm1::GetServerIP()
{
    const auto projection = svc_.dialup.ip_projection(conn_handle);
    return projection ? projection->server_ip : QString();
}

QString TForm1::Name_prov()
{
    const std::vector<platform::ActiveConnection> connections = svc_.dialup.active_connections();
    if (connections.empty())
        return {};
    const QString entry = connections.front().entry_name;
    conn_handle = connections.front().handle;
    link_handle = svc_.dialup.first_link(conn_handle);
    svc_.clock.wait(2000);
    const QString server = GetServerIP();

    int slot = slot_of_name(data_->providers, entry);
    if (slot == 0) {
        check_prov();
        slot = slot_of_name(data_->providers, entry);
    }
    current_provider = static_cast<std::uint8_t>(slot);
    if (slot == 0) {
        svc_.dialogs.message(QStringLiteral("Программная ошибка определения провайдера!"), platform::MessageIcon::Error,
                             platform::MessageButtons::Yes);
        end_program();
        return {};
    }
    auto &stored = datastore::provider_texts(data_->providers, slot).server_ip;
    if (server == QStringLiteral("127.0.0.1")) {
        svc_.dialup.hang_up(link_handle);
        return {};
    }
    if (settings().foreign_call_guard == 1 && !Check_IP(server, stored.text())) {
        svc_.dialup.hang_up(link_handle);
        const platform::Answer answer = svc_.dialogs.message(
            QStringLiteral("Осторожно! Неизвестный IP адрес сервера! Соединение разорвано!\r\nЗапомнить его?"),
            platform::MessageIcon::Error, platform::MessageButtons::YesNo);
        if (answer == platform::Answer::Yes)
            stored.assign(server);
        return {};
    }
    stored.assign(server);
    return entry;
}

void TForm1::suiCheckBox11Click()
{
    settings().foreign_call_guard = suiCheckBox11->isChecked() ? 1 : 0;
}

void TForm1::Inet_disconnect()
{
    const std::vector<platform::ActiveConnection> connections = svc_.dialup.active_connections();
    if (connections.empty())
        return;
    conn_handle = connections.front().handle;
    link_handle = svc_.dialup.first_link(conn_handle);
    if (const auto refused = svc_.dialup.hang_up(link_handle)) {
        svc_.dialogs.message(QStringLiteral("Не удалось разорвать связь: ") + *refused, platform::MessageIcon::Error,
                             platform::MessageButtons::Ok);
    }
}
