// Any bytes as the tariff library's records and arguments: pricing and slot maintenance must stay
// inside the records and end, whatever the files hold.
#include <cstdint>
#include <cstring>
#include <memory>

#include "kolvane/maintenance.h"
#include "kolvane/pricing.h"

using namespace datastore;

volatile float g_cost_sink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Arguments first, then the records, each filled from what is left.
    struct Arguments {
        std::uint8_t provider;
        std::uint8_t row;
        std::uint8_t count;
        double start;
        double span_minutes;
    } args{};
    std::memcpy(&args, data, std::min(size, sizeof args));
    const std::size_t used = std::min(size, sizeof args);
    data += used;
    size -= used;

    auto records = make_data_set();
    auto fill = [&](void *record, std::size_t record_size) {
        const std::size_t n = std::min(size, record_size);
        std::memcpy(record, data, n);
        data += n;
        size -= n;
    };
    fill(&records->providers, sizeof records->providers);
    fill(&records->tariff, sizeof records->tariff);
    fill(&records->settings, sizeof records->settings);

    const int p = 1 + args.provider % kSlots;
    std::uint8_t row = args.row;
    const double start = args.start;
    const double end = start + args.span_minutes / 1440.0;
    TariffRecord tariff = records->tariff;
    g_cost_sink = kolvane::price_span(records->providers, tariff, p, row, start, end, end);

    kolvane::PhonebookList list;
    list.count = 1 + args.count % kSlots;
    for (int i = 0; i < list.count; ++i)
        list.names[static_cast<std::size_t>(i)] = provider_texts(records->providers, 1 + (i * 7) % kSlots).name.bytes();
    kolvane::change_record(*records, list);
    return 0;
}
