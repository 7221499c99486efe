#include "card_logic.h"

#include <algorithm>
#include <climits>

#include "datastore/cp1251.h"
#include "datastore/formats.h"

using namespace datastore;

namespace {

// The largest timer interval Qt counts, in whole hours.
constexpr int kMaxSaveHours = INT_MAX / 3600000;

template <class T, std::size_t N>
void drop_first(T (&entries)[N])
{
    std::move(std::begin(entries) + 1, std::end(entries), std::begin(entries));
}

// Megabytes (of 1048576 bytes) of a counter, as a 32-bit float.
float megabytes(float octets)
{
    return static_cast<float>(static_cast<double>(octets) / 1024 / 1024);
}

} // namespace

bool is_loopback(const SnapshotRow &row)
{
    return row.description.find(kLoopbackMarker) != std::string::npos;
}

InterfaceSnapshot make_snapshot(const std::vector<platform::NetInterface> &interfaces)
{
    InterfaceSnapshot s;
    s.row_count = static_cast<int>(std::min<std::size_t>(interfaces.size(), kSnapshotRows));
    for (int k = 0; k < s.row_count; ++k) {
        const platform::NetInterface &i = interfaces[static_cast<std::size_t>(k)];
        SnapshotRow &row = s.rows[static_cast<std::size_t>(k)];
        row.description = to_cp1251(i.description.trimmed()).substr(0, 255);
        row.in_octets = static_cast<float>(i.in_octets);
        row.out_octets = static_cast<float>(i.out_octets);
        row.speed_bps = i.speed_bps;
        if (!i.ip.isEmpty())
            row.ip_text = to_cp1251(i.ip + QStringLiteral(" / ") + i.mask).substr(0, 31);
    }
    return s;
}

int find_card(const InterfaceSnapshot &snapshot, const AdapterStatsRecord &adapters, int n)
{
    const std::string_view wanted = card_description(adapters, n).bytes();
    if (wanted.empty())
        return 0;
    for (int k = 1; k <= std::min(snapshot.row_count, kSnapshotRows); ++k) {
        if (snapshot.rows[static_cast<std::size_t>(k - 1)].description == wanted)
            return k;
    }
    return 0;
}

CardLabels card_labels(const SnapshotRow &row, const CardPrices &prices)
{
    const float in = megabytes(row.in_octets);
    const float out = megabytes(row.out_octets);
    return {
        QString(QStringLiteral("IP адрес: ") + from_cp1251(row.ip_text)).left(41),
        QStringLiteral("МБайт получено/Стоимость: ") + realtostr(4, in) + QLatin1Char('/') +
            realtostr(3, static_cast<double>(in) * prices.price_in_mb),
        QStringLiteral("МБайт отправлено/Стоимость: ") + realtostr(4, out) + QLatin1Char('/') +
            realtostr(3, static_cast<double>(out) * prices.price_out_mb),
        QStringLiteral("Скорость, Мбит/сек: ") + QString::number(row.speed_bps / 1000000),
    };
}

int keep_reading(AdapterStatsRecord &adapters, int n, const SnapshotRow &row, TDateTime now, bool at_exit)
{
    int k = reading_count(adapters, n) + 1;
    if (k > kReadings) {
        // The newest readings matter most to a user who is paying now: the oldest makes room.
        const int c = n - 1;
        drop_first(adapters.reading_ip[c]);
        drop_first(adapters.reading_speed[c]);
        drop_first(adapters.reading_time[c]);
        drop_first(adapters.counters[c].reading_in_kb);
        drop_first(adapters.counters[c].reading_out_kb);
        drop_first(adapters.costs[c].reading_cost_in);
        drop_first(adapters.costs[c].reading_cost_out);
        k = kReadings;
    }
    reading_time(adapters, n, k) = now;
    reading_ip(adapters, n, k).assign_bytes(row.ip_text);
    reading_in_kb(adapters, n, k) = row.in_octets / 1024;
    reading_out_kb(adapters, n, k) = row.out_octets / 1024;
    reading_speed(adapters, n, k) = stored_reading_speed(row.speed_bps);
    const CardPrices &prices = card_prices(adapters, n);
    reading_cost_in(adapters, n, k) = megabytes(row.in_octets) * prices.price_in_mb;
    reading_cost_out(adapters, n, k) = megabytes(row.out_octets) * prices.price_out_mb;
    if (at_exit) {
        card_exit_costs(adapters, n).exit_cost_in += reading_cost_in(adapters, n, k);
        card_exit_costs(adapters, n).exit_cost_out += reading_cost_out(adapters, n, k);
    }
    set_reading_count(adapters, n, k);
    return k;
}

void assign_cards(AdapterStatsRecord &adapters, const InterfaceSnapshot &snapshot)
{
    int card = 1;
    for (int a = 1; a <= std::min(snapshot.row_count, kSnapshotRows) && card <= kCards; ++a) {
        const SnapshotRow &row = snapshot.rows[static_cast<std::size_t>(a - 1)];
        if (is_loopback(row))
            continue;
        card_description(adapters, card).assign_bytes(row.description);
        set_reading_count(adapters, card, 0);
        save_mode(adapters, card).assign_bytes(kSaveAtExit);
        ++card;
    }
}

std::optional<int> save_hours(QStringView text)
{
    bool ok = false;
    const int hours = text.trimmed().toInt(&ok);
    if (!ok || hours < 1 || hours > kMaxSaveHours)
        return std::nullopt;
    return hours;
}
