// The modem labels, the new-machine check and the system switches at start-up.
#include <QCheckBox>
#include <QLabel>

#include "datastore/scramble.h"
#include "drovik/Unit1.h"

void TForm1::machine_setup()
{
    // A machine that cannot dial skips the rest: no question, no switch states.
    const std::vector<platform::ModemDevice> modems = svc_.modems.list();
    if (modems.empty())
        return;
    Label58->setText(QStringLiteral("Модем: ") + modems.front().name);
    Label59->setText(QStringLiteral("Порт модема: ") + modems.front().port);

    new_machine_check(svc_.volume.identity(data_folder_));
    read_registry_switches();
}

void TForm1::new_machine_check(const QString &identity)
{
    datastore::ProviderRecord &providers = data_->providers;
    const std::string scrambled =
        datastore::scramble(datastore::to_cp1251(identity), "817", datastore::ScrambleDirection::Forward);
    if (scrambled == datastore::machine_id(providers).bytes())
        return;

    Inet_disconnect();
    datastore::pop3_user(providers).clear();
    datastore::mail_address(providers).clear();
    datastore::pop3_server(providers).clear();
    datastore::pop3_password(providers).clear();
    settings().pop3_port.assign(QStringLiteral("110"));

    const platform::Answer answer =
        svc_.dialogs.message(QStringLiteral("Вы запустили эту копию первый раз на этой машине!\rЗапустить калибровку?"),
                             platform::MessageIcon::Confirmation, platform::MessageButtons::YesNo);
    // No answer (the program is being stopped) decides nothing: the question comes again.
    if (answer == platform::Answer::No) {
        datastore::machine_id(providers).assign_bytes(scrambled);
    } else if (answer == platform::Answer::Yes) {
        datastore::machine_id(providers).assign_bytes(scrambled);
        settings().provider_count = 0;
        settings().dialup_lock = 0;
        datastore::lock_password(providers).clear();
        dialup1->setChecked(false);
        Image12->hide();
        check_prov();
        suiButton1Click();
        calibrate_cards();
    }
}
