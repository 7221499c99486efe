// The records are the files' bytes: values placed at the documented offsets must come out of the
// accessors, and a record must write back exactly the bytes it was read from.
#include <cmath>
#include <cstring>
#include <limits>
#include <fstream>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "datastore/data_files.h"

using namespace datastore;

namespace {

using Bytes = std::vector<unsigned char>;

template <class T>
void put(Bytes &bytes, std::size_t offset, T value)
{
    ASSERT_LE(offset + sizeof value, bytes.size());
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

void put_text(Bytes &bytes, std::size_t offset, std::uint8_t length, const char *text)
{
    bytes[offset] = length;
    std::memcpy(bytes.data() + offset + 1, text, std::strlen(text));
}

// Random-looking but fixed filler, so a field read from the wrong place shows.
Bytes noise(std::size_t size)
{
    Bytes bytes(size);
    std::uint32_t x = 2463534242u;
    for (auto &b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<unsigned char>(x);
    }
    return bytes;
}

template <class Record>
std::unique_ptr<Record> decode(const Bytes &bytes)
{
    EXPECT_EQ(bytes.size(), sizeof(Record));
    auto rec = std::make_unique<Record>();
    std::memcpy(rec.get(), bytes.data(), sizeof(Record));
    return rec;
}

// Written to its file, the record must give back the very bytes it was decoded from.
template <class Record>
void expect_same_bytes(const Record &rec, const Bytes &bytes)
{
    QTemporaryDir dir;
    ASSERT_FALSE(save_record(rec, dir.path().toStdString()).has_value());
    std::ifstream in(record_path<Record>(dir.path().toStdString()), std::ios::binary);
    const Bytes written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(written == bytes);
}

} // namespace

TEST(RecordLayout, SettingsFieldsAtTheirOffsets)
{
    Bytes bytes = noise(60);
    put<std::uint8_t>(bytes, 0, 3);
    put_text(bytes, 12, 7, "9:05:00");
    put_text(bytes, 23, 3, "110");
    put<std::uint8_t>(bytes, 45, 1);
    put<std::uint8_t>(bytes, 56, 0);
    const auto rec = decode<SettingsRecord>(bytes);
    EXPECT_EQ(rec->provider_count, 3);
    EXPECT_EQ(rec->card1_save_param.bytes(), "9:05:00");
    EXPECT_EQ(rec->pop3_port.bytes(), "110");
    EXPECT_EQ(rec->start_in_tray, 1);
    EXPECT_EQ(rec->close_to_tray, 0);
    expect_same_bytes(*rec, bytes);
}

TEST(RecordLayout, ProviderSlotSevenAndSharedTexts)
{
    Bytes bytes = noise(2532);
    const int p = 7;
    put<std::uint8_t>(bytes, 0 + 2, 7); // slot_map[3]
    put_text(bytes, 9 + 255 * (p - 1), 4, "Home");
    put_text(bytes, 9 + 255 * (p - 1) + 51, 8, "10.0.0.1");
    put_text(bytes, 9 + 255 * 5 + 102, 3, "abc"); // lock_password in slot 6
    put<float>(bytes, 2304 + 20 * (p - 1), 12.5f);
    put<float>(bytes, 2304 + 20 * (p - 1) + 12, 42.0f);
    put<std::uint8_t>(bytes, 2484 + 5 * (p - 1), 1);
    put<std::uint8_t>(bytes, 2484 + 5 * (p - 1) + 4, 0);
    const auto rec = decode<ProviderRecord>(bytes);
    EXPECT_EQ(slot_of_entry(*rec, 3), 7);
    EXPECT_EQ(provider_texts(*rec, p).name.bytes(), "Home");
    EXPECT_EQ(provider_texts(*rec, p).server_ip.bytes(), "10.0.0.1");
    EXPECT_EQ(lock_password(*rec).bytes(), "abc");
    EXPECT_EQ(provider_numbers(*rec, p).balance, 12.5f);
    EXPECT_EQ(next_call(*rec, p), 42);
    EXPECT_EQ(call_count(*rec, p), 41);
    EXPECT_EQ(provider_flags(*rec, p).credit, 1);
    EXPECT_EQ(provider_flags(*rec, p).show_month_bill, 0);
    expect_same_bytes(*rec, bytes);
}

TEST(RecordLayout, TariffRowsOfSlotFour)
{
    Bytes bytes = noise(2160);
    const int p = 4;
    put<std::uint8_t>(bytes, 8 * (p - 1) + 7, 1); // holidays_on
    put<float>(bytes, 72 + 32 * (p - 1) + 4 * (8 - 1), 3.25f);
    put<double>(bytes, 360 + 128 * (p - 1) + 8 * (2 - 1), 0.25);
    put<double>(bytes, 424 + 128 * (p - 1) + 8 * (2 - 1), 0.75);
    put<double>(bytes, 1512 + 72 * (p - 1) + 8 * (9 - 1), 46364.0);
    const auto rec = decode<TariffRecord>(bytes);
    EXPECT_EQ(row_flag(*rec, p, kHolidaysOnFlag), 1);
    EXPECT_EQ(hour_price(*rec, p, 8), 3.25f);
    EXPECT_EQ(row_start(*rec, p, 2), 0.25);
    EXPECT_EQ(row_end(*rec, p, 2), 0.75);
    EXPECT_EQ(holiday(*rec, p, 9), 46364.0);
    expect_same_bytes(*rec, bytes);
}

TEST(RecordLayout, CallLogEntryOfSlotNine)
{
    Bytes bytes = noise(279000);
    const int p = 9;
    const int b = 321;
    put<double>(bytes, 16000 * (p - 1) + 8 * (b - 1), 46364.5);
    put<double>(bytes, 16000 * (p - 1) + 4000 + 8 * (b - 1), 46364.75);
    put<double>(bytes, 16000 * (p - 1) + 8000 + 8 * (b - 1), 0.25);
    put<double>(bytes, 16000 * (p - 1) + 12000 + 8 * (b - 1), 2.5);
    put<std::uint16_t>(bytes, 144000 + 1000 * (p - 1) + 2 * (b - 1), 49664);
    put<float>(bytes, 153000 + 2000 * (p - 1) + 4 * (b - 1), 1.5f);
    put<float>(bytes, 171000 + 4000 * (p - 1) + 2000 + 4 * (b - 1), 0.125f);
    put<float>(bytes, 207000 + 8000 * (p - 1) + 2000 + 4 * (b - 1), 1048576.0f);
    put<float>(bytes, 207000 + 8000 * (p - 1) + 6000 + 4 * (b - 1), 1.0f);
    const auto rec = decode<CallLogRecord>(bytes);
    EXPECT_EQ(call_start(*rec, p, b), 46364.5);
    EXPECT_EQ(call_end(*rec, p, b), 46364.75);
    EXPECT_EQ(call_duration(*rec, p, b), 0.25);
    EXPECT_EQ(total_time(*rec, p, b), 2.5);
    EXPECT_EQ(call_speed(*rec, p, b), 49664);
    EXPECT_EQ(call_cost(*rec, p, b), 1.5f);
    EXPECT_EQ(cost_out_total(*rec, p, b), 0.125f);
    EXPECT_EQ(bytes_in(*rec, p, b), 1048576.0f);
    EXPECT_EQ(mb_in(*rec, p, b), 1.0f);
    expect_same_bytes(*rec, bytes);
}

TEST(RecordLayout, AdapterReadingsOfCardTwo)
{
    Bytes bytes = noise(62560);
    const int n = 2;
    const int k = 1;
    put_text(bytes, 2, 1, "3");
    put_text(bytes, 4 + 36 * ((n - 1) * 500 + (k - 1)), 27, "192.168.1.5 / 255.255.255.0");
    put_text(bytes, 36004 + 256 * (n - 1), 6, "enp3s0");
    put<std::int16_t>(bytes, 36516 + 2 * ((n - 1) * 500 + (k - 1)), 1000);
    put<std::int32_t>(bytes, 38516 + 4 * (n - 1), 17);
    put<float>(bytes, 38524 + 4000 * (n - 1) + 2000 + 4 * (k - 1), 2048.0f);
    put<float>(bytes, 46524 + 8 * (n - 1) + 4, 0.5f);
    put<float>(bytes, 46540 + 4000 * (n - 1) + 4 * (k - 1), 7.0f);
    put<double>(bytes, 58544, 46364.25); // the first reading of card 2
    put<float>(bytes, 62544 + 8 * (n - 1), 9.0f);
    const auto rec = decode<AdapterStatsRecord>(bytes);
    EXPECT_EQ(save_mode(*rec, n).bytes(), "3");
    EXPECT_EQ(reading_ip(*rec, n, k).text(), QStringLiteral("192.168.1.5 / 255.255.255.0"));
    EXPECT_EQ(card_description(*rec, n).bytes(), "enp3s0");
    EXPECT_EQ(reading_speed(*rec, n, k), 1000);
    EXPECT_EQ(reading_count(*rec, n), 17);
    EXPECT_EQ(reading_out_kb(*rec, n, k), 2048.0f);
    EXPECT_EQ(card_prices(*rec, n).price_out_mb, 0.5f);
    EXPECT_EQ(reading_cost_in(*rec, n, k), 7.0f);
    EXPECT_EQ(reading_time(*rec, n, k), 46364.25);
    EXPECT_EQ(card_exit_costs(*rec, n).exit_cost_in, 9.0f);
    expect_same_bytes(*rec, bytes);
}

// Whatever a file holds, the values that index must come out in range.
struct NextCallCase {
    float stored;
    int next;
    int calls;
    int entry;
    bool warn;
};

class NextCallRule : public ::testing::TestWithParam<NextCallCase> {};

TEST_P(NextCallRule, ChoosesTheEntryAndWarnsNearTheLimit)
{
    const auto c = GetParam();
    auto rec = std::make_unique<ProviderRecord>();
    provider_numbers(*rec, 5).next_call = c.stored;
    EXPECT_EQ(next_call(*rec, 5), c.next);
    EXPECT_EQ(call_count(*rec, 5), c.calls);
    const CallEntryChoice choice = choose_call_entry(*rec, 5);
    EXPECT_EQ(choice.entry, c.entry);
    EXPECT_EQ(choice.limit_warning, c.warn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextCallRule,
    ::testing::Values(NextCallCase{0.0f, 0, 0, 1, false},     // first call of a provider
                      NextCallCase{1.0f, 1, 0, 1, false},     // log emptied by the balance editor
                      NextCallCase{2.4f, 2, 1, 2, false},     // read with rounding
                      NextCallCase{2.5f, 2, 1, 2, false},     // ties go to even
                      NextCallCase{490.0f, 490, 489, 490, false},
                      NextCallCase{491.0f, 491, 490, 491, true},
                      NextCallCase{497.0f, 497, 496, 497, true},
                      NextCallCase{498.0f, 498, 497, 1, true}, // wraps
                      NextCallCase{1e9f, 498, 497, 1, true},
                      NextCallCase{-5.0f, 0, 0, 1, false},
                      NextCallCase{std::numeric_limits<float>::quiet_NaN(), 0, 0, 1, false},
                      NextCallCase{std::numeric_limits<float>::infinity(), 498, 497, 1, true}));

TEST(RecordValues, OutOfRangeIndicesReadSoundly)
{
    auto providers = std::make_unique<ProviderRecord>();
    providers->slot_map[0] = 200;
    providers->slot_map[1] = 9;
    EXPECT_EQ(slot_of_entry(*providers, 1), 0);
    EXPECT_EQ(slot_of_entry(*providers, 2), 9);

    auto adapters = std::make_unique<AdapterStatsRecord>();
    for (const auto &[stored, expected] : {std::pair{-5, 0}, {9000, 500}, {500, 500}, {0, 0}, {77, 77}}) {
        adapters->reading_count[0] = stored;
        EXPECT_EQ(reading_count(*adapters, 1), expected) << stored;
    }
}

TEST(RecordValues, StoredSpeedsKeepTheFieldsMeaning)
{
    EXPECT_EQ(stored_call_speed(115200), 49664);
    EXPECT_EQ(stored_reading_speed(100000000), 100);
    EXPECT_EQ(stored_reading_speed(2500000000LL), 2500);
    EXPECT_EQ(stored_reading_speed(400000000000LL), 32767);
    EXPECT_EQ(stored_reading_speed(-1), 0);
}

TEST(RecordValuesDeathTest, AnIndexOutsideTheRecordStops)
{
    auto log = std::make_unique<CallLogRecord>();
    EXPECT_DEATH(call_cost(*log, 10, 1), "call-log slot");
    EXPECT_DEATH(call_cost(*log, 1, 501), "call-log entry");
    auto adapters = std::make_unique<AdapterStatsRecord>();
    EXPECT_DEATH(save_mode(*adapters, 0), "card");
}
