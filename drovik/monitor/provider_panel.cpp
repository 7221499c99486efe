// The provider panel of the "Модем" page.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

#include "datastore/formats.h"
#include "drovik/Unit1.h"
#include "drovik/monitor/forecast.h"
#include "drovik/monitor/month_bill.h"

void TForm1::Change_prov(int p)
{
    using namespace datastore;
    if (p < 1 || p > kSlots)
        return;
    const Formats &f = Formats::russian();
    ProviderRecord &providers = data_->providers;
    const ProviderNumbers &n = provider_numbers(providers, p);
    GroupBox1->setTitle(QString(QStringLiteral("Информация о ") + provider_texts(providers, p).name.text()).left(63));
    Image9->setVisible(!(n.balance > 0));
    suiCheckBox3->setChecked(provider_flags(providers, p).show_month_bill != 0);
    QString amount_suffix;
    double amount = 0;
    if (provider_flags(providers, p).show_month_bill != 0) {
        now_month(providers, data_->calls, p, svc_.clock.now());
        amount = n.month_cost;
        amount_suffix = QStringLiteral(" >> за текущий месяц <<");
    } else {
        amount = n.balance;
        amount_suffix = QStringLiteral(" >> общая <<");
    }
    Label8->setText(realtostr(3, amount) + amount_suffix);
    const int calls = call_count(providers, p);
    Label6->setText(f.time_text(calls > 0 ? total_time(data_->calls, p, calls) : 0.0));
    Label12->setText(QString::number(calls));
    Label45->setText(calls > 0 ? f.date_time_text(call_start(data_->calls, p, calls)) : QString());

    float dearest = 0;
    for (int r = 1; r <= 7; ++r)
        dearest = std::max(dearest, hour_price(data_->tariff, p, r));
    if (provider_flags(providers, p).credit != 0) {
        Label43->setText(QStringLiteral("В кредит"));
    } else if (dearest == 0) {
        return;
    } else {
        Label43->setText(hour_pay(static_cast<float>(n.balance / dearest)).text);
    }
    Label62->setText(QString(QStringLiteral("IP адрес: ") + provider_texts(providers, p).server_ip.text()).left(60));
}

void TForm1::show_current_provider()
{
    Change_prov(current_provider);
}

void TForm1::lstEntries1Click()
{
    if (online)
        return;
    const int row = lstEntries->currentRow();
    const int position = row < 0 ? 1 : row + 1;
    // Entries past the ninth have no slot.
    if (position > datastore::kSlots)
        return;
    current_provider = static_cast<std::uint8_t>(datastore::slot_of_entry(data_->providers, position));
    Change_prov(current_provider);
}

void TForm1::suiCheckBox3Click()
{
    if (current_provider < 1 || current_provider > datastore::kSlots)
        return;
    datastore::provider_flags(data_->providers, current_provider).show_month_bill = suiCheckBox3->isChecked() ? 1 : 0;
    Change_prov(current_provider);
}

void TForm1::CheckBox1Click()
{
    settings().warn_5min = CheckBox1->isChecked() ? 1 : 0;
}

void TForm1::TabSheet1Show()
{
    if (lstEntries->currentRow() < 0 && lstEntries->count() > 0) {
        const QSignalBlocker quiet(lstEntries);
        lstEntries->setCurrentRow(0);
    }
}
