#include <gtest/gtest.h>

#include "datastore/tdatetime.h"

#include "drovik/monitor/provider_calibration.h"

using namespace datastore;

TEST(ProviderCalibration, TiesSlotsToTheEntriesInListOrder)
{
    auto data = make_data_set();
    lock_password(data->providers).assign_bytes("secret");
    provider_texts(data->providers, 5).name.assign_bytes("old");
    provider_numbers(data->providers, 2).next_call = 77;
    provider_flags(data->providers, 2).credit = 1;
    hour_price(data->tariff, 2, 3) = 4.5f;

    calibrate_providers(data->providers, data->tariff, data->settings, {"A", "B", "C"});

    for (int p = 1; p <= 9; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(data->providers.slot_map[p - 1], p <= 3 ? p : 0);
        EXPECT_EQ(provider_texts(data->providers, p).name.empty(), p > 3);
    }
    EXPECT_EQ(provider_texts(data->providers, 2).name.bytes(), "B");
    EXPECT_EQ(provider_numbers(data->providers, 2).balance, 20.0f);
    EXPECT_EQ(next_call(data->providers, 2), 0);
    EXPECT_EQ(hour_price(data->tariff, 2, 1), 1.0f);
    EXPECT_EQ(row_start(data->tariff, 2, 1), 0.0);
    EXPECT_EQ(row_end(data->tariff, 2, 1), encode_time({23, 59, 59, 0}));
    EXPECT_EQ(data->settings.provider_count, 3);
    // What calibration does not own stays.
    EXPECT_EQ(provider_flags(data->providers, 2).credit, 1);
    EXPECT_EQ(hour_price(data->tariff, 2, 3), 4.5f);
    EXPECT_EQ(lock_password(data->providers).bytes(), "secret");
}

TEST(ProviderCalibration, KeepsTheFirstNineEntries)
{
    auto data = make_data_set();
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i)
        names.push_back("entry" + std::to_string(i));
    calibrate_providers(data->providers, data->tariff, data->settings, names);
    EXPECT_EQ(data->settings.provider_count, 9);
    EXPECT_EQ(provider_texts(data->providers, 9).name.bytes(), "entry8");
}
