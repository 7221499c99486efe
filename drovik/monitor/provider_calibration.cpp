#include "provider_calibration.h"

#include <algorithm>

#include "datastore/tdatetime.h"

void calibrate_providers(datastore::ProviderRecord &providers, datastore::TariffRecord &tariff,
                         datastore::SettingsRecord &settings, const std::vector<std::string> &names)
{
    using namespace datastore;
    for (int p = 1; p <= kSlots; ++p) {
        provider_texts(providers, p).name.clear();
        providers.slot_map[p - 1] = 0;
    }
    const int count = std::min<int>(static_cast<int>(names.size()), kSlots);
    for (int k = 1; k <= count; ++k) {
        provider_texts(providers, k).name.assign_bytes(names[static_cast<std::size_t>(k - 1)]);
        provider_texts(providers, k).server_ip.clear();
        providers.slot_map[k - 1] = static_cast<std::uint8_t>(k);
        hour_price(tariff, k, 1) = 1.0f;
        provider_numbers(providers, k).balance = 20.0f;
        set_next_call(providers, k, 0);
        row_start(tariff, k, 1) = encode_time({0, 0, 0, 0});
        row_end(tariff, k, 1) = encode_time({23, 59, 59, 0});
    }
    settings.provider_count = static_cast<std::uint8_t>(count);
}
