// The network cards at start-up and on the network monitor's tick.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "drovik/Unit1.h"
#include "drovik/adapters/card_logic.h"
#include "drovik/shell/timers.h"

namespace {

constexpr int kRefreshMs[] = {1000, 60000, 300000, 1800000};
const QString kNoCard = QStringLiteral("Сетевая карта не определена");

} // namespace

void TForm1::show_card_caption(int index, const QString &caption)
{
    // A long description is cut at the box's edge; the whole of it is a hover away.
    QGroupBox *box = cards[static_cast<std::size_t>(index)].box;
    box->setTitle(caption);
    box->setToolTip(caption);
}

InterfaceSnapshot TForm1::take_snapshot()
{
    return make_snapshot(svc_.netifaces.list());
}

void TForm1::adapter_startup()
{
    const InterfaceSnapshot snapshot = take_snapshot();
    int shown = 0;
    for (int k = 1; k <= snapshot.row_count && shown < 2; ++k) {
        const SnapshotRow &row = snapshot.rows[static_cast<std::size_t>(k - 1)];
        if (!is_loopback(row))
            show_card_caption(shown++, datastore::from_cp1251(row.description));
    }

    for (int n = 1; n <= 2; ++n) {
        CardControls &card = cards[static_cast<std::size_t>(n - 1)];
        const bool every_hours = datastore::save_mode(data_->adapters, n).bytes() == kSaveEveryHours;
        if (every_hours) {
            // A parameter left unreadable by an interrupted run: every hour, the text kept as it is.
            const auto hours = save_hours(datastore::card_save_param(settings(), n).text());
            card.timer->setInterval(hours.value_or(1) * 3600000);
        }
        set_running(card.timer, every_hours && settings().net_watch_off == 0);
    }
    show_card_prices(1);

    auto &index = settings().net_refresh_index;
    if (index.empty())
        index.assign(QStringLiteral("0"));
    bool number = false;
    const int stored = index.text().toInt(&number);
    const int item = !number || stored < 0 ? 0 : std::min(stored, 3);
    if (item != refresh_rates->checkedId()) {
        refresh_rates->button(item)->setChecked(true);
        RadioGroup11Click();
    }

    show_net_watch_state();
    suiCheckBox6->setChecked(datastore::is_set(settings().net_watch_off));
}

void TForm1::show_net_watch_state()
{
    const bool off = datastore::is_set(settings().net_watch_off);
    set_status_text(0, off ? QStringLiteral("Слежение за сетью отключено") : QStringLiteral("Слежение за сетью включено"));
    set_running(Timer3, !off);
    for (CardControls &card : cards)
        card.off_picture->setVisible(off);
}

void TForm1::Timer3Timer()
{
    const InterfaceSnapshot snapshot = take_snapshot();
    for (int n = 1; n <= 2; ++n) {
        CardControls &card = cards[static_cast<std::size_t>(n - 1)];
        const auto &description = datastore::card_description(data_->adapters, n);
        const int k = find_card(snapshot, data_->adapters, n);
        // A card that is gone keeps the last figures it showed.
        show_card_caption(n - 1, k == 0 ? kNoCard : description.text());
        if (k == 0)
            continue;
        const CardLabels labels =
            card_labels(snapshot.rows[static_cast<std::size_t>(k - 1)], datastore::card_prices(data_->adapters, n));
        card.ip->setText(labels.ip);
        card.in->setText(labels.in);
        card.out->setText(labels.out);
        card.speed->setText(labels.speed);
    }
}

void TForm1::RadioGroup11Click()
{
    const int item = refresh_rates->checkedId();
    if (item < 0 || item > 3)
        return;
    Timer3->setInterval(kRefreshMs[item]);
    settings().net_refresh_index.assign(QString::number(item));
}

void TForm1::suiCheckBox6Click()
{
    settings().net_watch_off = suiCheckBox6->isChecked() ? 1 : 0;
    show_net_watch_state();
}
