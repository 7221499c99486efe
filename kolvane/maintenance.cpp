#include "maintenance.h"

#include "datastore/tdatetime.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace kolvane {
namespace {

using namespace datastore;

struct Move {
    int from;
    int to;
};

void clear_provider_slot(ProviderRecord &providers, int s)
{
    ProviderTexts &t = provider_texts(providers, s);
    for (auto *text : {&t.name, &t.server_ip, &t.shared_text, &t.month_time, &t.spare_text})
        text->length = 0;
    provider_numbers(providers, s) = {};
    provider_flags(providers, s) = {};
}

void copy_slot(DataSet &data, const DataSet &before, int s, int d)
{
    provider_texts(data.providers, d) = provider_texts(before.providers, s);
    provider_numbers(data.providers, d) = provider_numbers(before.providers, s);
    provider_flags(data.providers, d) = provider_flags(before.providers, s);
    // The holiday dates stay with the slot number.
    std::copy_n(before.tariff.row_flags[s - 1], 8, data.tariff.row_flags[d - 1]);
    std::copy_n(before.tariff.hour_price[s - 1], kTariffRows, data.tariff.hour_price[d - 1]);
    data.tariff.times[d - 1] = before.tariff.times[s - 1];
    data.calls.call_times[d - 1] = before.calls.call_times[s - 1];
    std::copy_n(before.calls.call_speed[s - 1], kCallEntries, data.calls.call_speed[d - 1]);
    std::copy_n(before.calls.call_cost[s - 1], kCallEntries, data.calls.call_cost[d - 1]);
    data.calls.traffic_cost[d - 1] = before.calls.traffic_cost[s - 1];
    data.calls.traffic[d - 1] = before.calls.traffic[s - 1];
}

} // namespace

PhonebookList phonebook_list(std::uint8_t count, const std::uint8_t *names)
{
    PhonebookList list;
    list.count = count;
    for (int i = 0; i < kSlots; ++i) {
        const std::uint8_t *slot = names + 51 * i;
        const int length = std::min<int>(slot[0], 50);
        list.names[static_cast<std::size_t>(i)].assign(reinterpret_cast<const char *>(slot + 1),
                                                        static_cast<std::size_t>(length));
    }
    return list;
}

void change_record(DataSet &data, const PhonebookList &list)
{
    const int count = list.count;
    std::array<int, kSlots> old_map{};
    std::array<int, kSlots> map{};
    for (int i = 0; i < kSlots; ++i)
        old_map[static_cast<std::size_t>(i)] = data.providers.slot_map[i];

    for (int i = 1; i <= count; ++i) {
        for (int p = 1; p <= kSlots; ++p) {
            if (provider_texts(data.providers, p).name.bytes() == list.names[static_cast<std::size_t>(i - 1)])
                map[static_cast<std::size_t>(i - 1)] = p;
        }
    }

    // Free slots counted from the old count upward; these numbers can pass 9 and are only compared.
    const int old_count = data.settings.provider_count;
    const int delta_before = count - old_count;
    int delta = delta_before;
    for (int i = 1; i <= count && delta != 0; ++i) {
        if (map[static_cast<std::size_t>(i - 1)] == 0) {
            map[static_cast<std::size_t>(i - 1)] = old_count + std::abs(delta);
            delta += delta > 0 ? -1 : 1;
        }
    }

    std::vector<Move> moves;
    auto consider = [&](int i, int k) {
        const int slot = map[static_cast<std::size_t>(i - 1)];
        if (slot != 0 && slot == old_map[static_cast<std::size_t>(k - 1)] && slot <= kSlots)
            moves.push_back({slot, i});
    };
    if (delta_before > 0) {
        for (int i = count; i >= 1; --i)
            for (int k = kSlots; k >= 1; --k)
                consider(i, k);
    } else if (delta_before < 0) {
        for (int i = 1; i <= count; ++i)
            for (int k = 1; k <= kSlots; ++k)
                consider(i, k);
    }

    // Every move from the records as they were: first clear what moves away, then copy.
    const auto before = std::make_unique<DataSet>(data);
    for (const Move &m : moves) {
        if (m.from != m.to)
            clear_provider_slot(data.providers, m.from);
    }
    for (const Move &m : moves)
        copy_slot(data, *before, m.from, m.to);
    for (int p = 1; p <= kSlots; ++p)
        provider_texts(data.providers, p).shared_text = provider_texts(before->providers, p).shared_text;

    for (int p = 1; p <= kSlots; ++p)
        provider_texts(data.providers, p).name.length = 0;
    for (int i = 1; i <= kSlots; ++i)
        data.providers.slot_map[i - 1] = static_cast<std::uint8_t>(i <= count ? i : 0);
    for (int i = 1; i <= count; ++i) {
        if (hour_price(data.tariff, i, 1) == 0)
            hour_price(data.tariff, i, 1) = 1.0f;
        if (row_end(data.tariff, i, 1) == 0)
            row_end(data.tariff, i, 1) = encode_time({23, 59, 59, 0});
        provider_texts(data.providers, i).name.assign_bytes(list.names[static_cast<std::size_t>(i - 1)]);
        if (provider_numbers(data.providers, i).balance == 0)
            provider_numbers(data.providers, i).balance = 20.0f;
    }
    data.settings.provider_count = static_cast<std::uint8_t>(count);
}

} // namespace kolvane
