// Any bytes as each of the five records, through every accessor and text: nothing may read or
// write outside a record, whatever a file holds.
#include <cstdint>
#include <cstring>
#include <memory>

#include "datastore/data_files.h"
#include "datastore/formats.h"

using namespace datastore;

// External linkage keeps the optimiser from dropping the work.
volatile std::uint64_t g_sink;

namespace {

void sink(double v) { g_sink = g_sink + static_cast<std::uint64_t>(v == v ? 1 : 0); }
void sink(const QString &s) { g_sink = g_sink + static_cast<std::uint64_t>(s.size()); }
template <std::size_t N> void sink(const ShortString<N> &s) { sink(s.text()); }

template <class Record>
std::unique_ptr<Record> from_bytes(const std::uint8_t *data, std::size_t size)
{
    auto rec = std::make_unique<Record>();
    std::memcpy(rec.get(), data, std::min(size, sizeof(Record)));
    return rec;
}

void texts_of_time(double t)
{
    const Formats &f = Formats::russian();
    sink(f.date_time_text(t));
    sink(f.time_text(t));
    sink(day_of_week(t));
    sink(date_of(t) + time_of(t));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto settings = from_bytes<SettingsRecord>(data, size);
    sink(settings->net_refresh_index);
    sink(settings->card1_save_param);
    sink(settings->pop3_port);
    sink(settings->card2_save_param);

    const auto providers = from_bytes<ProviderRecord>(data, size);
    for (int i = 1; i <= kSlots; ++i) {
        const int slot = slot_of_entry(*providers, i);
        if (slot != 0)
            sink(provider_texts(*providers, slot).name);
        const auto &t = provider_texts(*providers, i);
        sink(t.name);
        sink(t.server_ip);
        sink(t.shared_text);
        sink(t.month_time);
        sink(t.spare_text);
        const auto &n = provider_numbers(*providers, i);
        sink(Formats::russian().float_text(n.balance));
        sink(realtostr(3, n.month_cost));
        const CallEntryChoice choice = choose_call_entry(*providers, i);
        sink(choice.entry + call_count(*providers, i) + provider_flags(*providers, i).credit);
    }

    const auto tariff = from_bytes<TariffRecord>(data, size);
    const auto calls = from_bytes<CallLogRecord>(data, size);
    for (int p = 1; p <= kSlots; ++p) {
        for (int n = 1; n <= kTariffRows; ++n) {
            sink(hour_price(*tariff, p, n));
            texts_of_time(row_start(*tariff, p, n));
            texts_of_time(row_end(*tariff, p, n));
            sink(row_flag(*tariff, p, n - 1));
        }
        for (int j = 1; j <= kHolidays; ++j)
            sink(Formats::russian().date_text(holiday(*tariff, p, j)));
        // The entries a reader of the log visits: those the provider record says are in use.
        const int count = call_count(*providers, p);
        for (int b = 1; b <= count; ++b) {
            sink(call_speed(*calls, p, b) + total_time(*calls, p, b) + bytes_out(*calls, p, b) +
                 call_start(*calls, p, b) + call_duration(*calls, p, b) + call_cost(*calls, p, b));
        }
        // Texts are slow under the sanitizers: the first and last entries stand for the rest.
        for (const int b : {1, count}) {
            if (b < 1)
                continue;
            texts_of_time(call_start(*calls, p, b));
            texts_of_time(call_duration(*calls, p, b));
            sink(realtostr(3, call_cost(*calls, p, b)));
            sink(Formats::russian().float_text(bytes_in(*calls, p, b)));
        }
    }

    const auto adapters = from_bytes<AdapterStatsRecord>(data, size);
    for (int n = 1; n <= kCards; ++n) {
        sink(save_mode(*adapters, n));
        sink(card_description(*adapters, n));
        sink(card_prices(*adapters, n).price_in_mb + card_exit_costs(*adapters, n).exit_cost_out);
        const int count = reading_count(*adapters, n);
        for (int k = 1; k <= count; ++k) {
            sink(reading_ip(*adapters, n, k).bytes().size() + reading_time(*adapters, n, k) +
                 reading_in_kb(*adapters, n, k) + reading_out_kb(*adapters, n, k) + reading_speed(*adapters, n, k) +
                 reading_cost_in(*adapters, n, k) + reading_cost_out(*adapters, n, k));
        }
        for (const int k : {1, count}) {
            if (k < 1)
                continue;
            sink(reading_ip(*adapters, n, k));
            texts_of_time(reading_time(*adapters, n, k));
            sink(realtostr(3, reading_in_kb(*adapters, n, k)));
        }
    }

    // The same bytes as text typed by a user.
    const QString typed = from_cp1251({reinterpret_cast<const char *>(data), std::min<std::size_t>(size, 64)});
    sink(Formats::russian().parse_date_time(typed).value_or(0));
    sink(Formats::russian().parse_float(typed).value_or(0));
    sink(QString::fromStdString(to_cp1251(typed)));
    return 0;
}
