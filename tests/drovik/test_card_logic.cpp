// The network cards' logic without the window: the snapshot, finding a card, its labels, keeping
// readings and assigning interfaces to cards.
#include <gtest/gtest.h>

#include "drovik/adapters/card_logic.h"
#include "support/qt_print.h"

using namespace datastore;

namespace {

platform::NetInterface interface(const char *description, std::uint32_t in = 0, std::uint32_t out = 0,
                                 std::int64_t speed = 0, const char *ip = "", const char *mask = "")
{
    return {QString::fromUtf8(description), in, out, speed, QString::fromUtf8(ip), QString::fromUtf8(mask)};
}

SnapshotRow row(std::uint32_t in, std::uint32_t out, std::int64_t speed, const char *ip = "10.0.0.5 / 255.0.0.0")
{
    return {"card", static_cast<float>(in), static_cast<float>(out), speed, ip};
}

} // namespace

TEST(CardSnapshot, KeepsTheFirstFourWithTheirOwnAddresses)
{
    const InterfaceSnapshot s = make_snapshot({
        interface("A", 1, 2, 100000000, "192.168.1.10", "255.255.255.0"),
        interface("B"),
        interface("C", 0, 0, 0, "10.200.300.400", "255.255.255.255"),
        interface("D"),
        interface("E"),
    });
    EXPECT_EQ(s.row_count, 4);
    EXPECT_EQ(s.rows[0].ip_text, "192.168.1.10 / 255.255.255.0");
    EXPECT_EQ(s.rows[1].ip_text, "") << "no address, no text";
    EXPECT_EQ(s.rows[2].ip_text, "10.200.300.400 / 255.255.255.25") << "cut to 31 characters";
    EXPECT_EQ(s.rows[3].description, "D");
    // Counters are 32-bit floats: past 2^24 octets the last digits go.
    EXPECT_EQ(make_snapshot({interface("X", 16777217)}).rows[0].in_octets, 16777216.0f);
}

TEST(CardSnapshot, ACardIsTheFirstRowWithItsWholeDescription)
{
    auto adapters = std::make_unique<AdapterStatsRecord>();
    const InterfaceSnapshot s =
        make_snapshot({interface("Intel I211 (eth0)"), interface("Intel I211 (eth1)"), interface("Intel I211 (eth1)")});
    EXPECT_EQ(find_card(s, *adapters, 1), 0) << "an unassigned card is never looked up";
    card_description(*adapters, 1).assign_bytes("Intel I211 (eth1)");
    card_description(*adapters, 2).assign_bytes("Intel I211");
    EXPECT_EQ(find_card(s, *adapters, 1), 2);
    EXPECT_EQ(find_card(s, *adapters, 2), 0) << "compared whole, not as a prefix";
}

TEST(CardLabels, FiguresAndTheirCost)
{
    const struct {
        const char *what;
        SnapshotRow row;
        CardPrices prices;
        const char *ip, *in, *out, *speed;
    } cases[] = {
        {"no traffic", row(0, 0, 100000000), {1, 1}, "IP адрес: 10.0.0.5 / 255.0.0.0",
         "МБайт получено/Стоимость: 0/0", "МБайт отправлено/Стоимость: 0/0", "Скорость, Мбит/сек: 100"},
        {"priced", row(1572864, 1048576, 999999), {2.0f, 0.5f}, "IP адрес: 10.0.0.5 / 255.0.0.0",
         "МБайт получено/Стоимость: 1.5000/3.000", "МБайт отправлено/Стоимость: 1.0000/0.500",
         "Скорость, Мбит/сек: 0"},
        {"free traffic", row(1048576, 0, 2500000000), {0, 0}, "IP адрес: 10.0.0.5 / 255.0.0.0",
         "МБайт получено/Стоимость: 1.0000/0", "МБайт отправлено/Стоимость: 0/0", "Скорость, Мбит/сек: 2500"},
        {"long address", row(0, 0, 0, "123.123.123.123 / 255.255.255.255"), {0, 0},
         "IP адрес: 123.123.123.123 / 255.255.255.2", "МБайт получено/Стоимость: 0/0",
         "МБайт отправлено/Стоимость: 0/0", "Скорость, Мбит/сек: 0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const CardLabels labels = card_labels(c.row, c.prices);
        EXPECT_EQ(labels.ip, QString::fromUtf8(c.ip));
        EXPECT_EQ(labels.in, QString::fromUtf8(c.in));
        EXPECT_EQ(labels.out, QString::fromUtf8(c.out));
        EXPECT_EQ(labels.speed, QString::fromUtf8(c.speed));
    }
}

TEST(CardReadings, EveryFieldOfTheNextEntry)
{
    auto adapters = std::make_unique<AdapterStatsRecord>();
    card_prices(*adapters, 2) = {2.0f, 0.5f};
    set_reading_count(*adapters, 2, 4);
    const TDateTime now = compose({2026, 12, 11}, {9, 5, 0, 0});
    const SnapshotRow r = row(3145728, 1048576, 40000000000);

    EXPECT_EQ(keep_reading(*adapters, 2, r, now, false), 5);
    EXPECT_EQ(reading_count(*adapters, 2), 5);
    EXPECT_EQ(reading_time(*adapters, 2, 5), now);
    EXPECT_EQ(reading_ip(*adapters, 2, 5).bytes(), "10.0.0.5 / 255.0.0.0");
    EXPECT_EQ(reading_in_kb(*adapters, 2, 5), 3072.0f);
    EXPECT_EQ(reading_out_kb(*adapters, 2, 5), 1024.0f);
    EXPECT_EQ(reading_speed(*adapters, 2, 5), 32767) << "held at the top, not wrapped";
    EXPECT_EQ(reading_cost_in(*adapters, 2, 5), 6.0f);
    EXPECT_EQ(reading_cost_out(*adapters, 2, 5), 0.5f);
    EXPECT_EQ(card_exit_costs(*adapters, 2).exit_cost_in, 0.0f) << "only the exit save adds up";
    EXPECT_EQ(reading_count(*adapters, 1), 0);

    keep_reading(*adapters, 2, r, now, true);
    keep_reading(*adapters, 2, r, now, true);
    EXPECT_EQ(card_exit_costs(*adapters, 2).exit_cost_in, 12.0f);
    EXPECT_EQ(card_exit_costs(*adapters, 2).exit_cost_out, 1.0f);
}

TEST(CardReadings, AFullStoreDropsItsOldestReading)
{
    auto adapters = std::make_unique<AdapterStatsRecord>();
    for (int k = 1; k <= kReadings; ++k) {
        reading_time(*adapters, 1, k) = k;
        reading_in_kb(*adapters, 1, k) = static_cast<float>(k);
    }
    set_reading_count(*adapters, 1, kReadings);
    EXPECT_EQ(keep_reading(*adapters, 1, row(1024 * 1024, 0, 0), 1000, false), kReadings);
    EXPECT_EQ(reading_count(*adapters, 1), kReadings);
    EXPECT_EQ(reading_time(*adapters, 1, 1), 2.0) << "the oldest went";
    EXPECT_EQ(reading_in_kb(*adapters, 1, 499), 500.0f);
    EXPECT_EQ(reading_time(*adapters, 1, kReadings), 1000.0);
    EXPECT_EQ(reading_in_kb(*adapters, 1, kReadings), 1024.0f);
}

TEST(CardAssignment, NonLoopbackRowsBecomeCardsInOrder)
{
    auto adapters = std::make_unique<AdapterStatsRecord>();
    card_description(*adapters, 2).assign_bytes("old card");
    set_reading_count(*adapters, 2, 40);
    set_reading_count(*adapters, 1, 12);
    card_exit_costs(*adapters, 1).exit_cost_in = 5;

    assign_cards(*adapters, make_snapshot({interface("MS TCP Loopback interface"), interface("Realtek (eth0)")}));
    EXPECT_EQ(card_description(*adapters, 1).bytes(), "Realtek (eth0)");
    EXPECT_EQ(reading_count(*adapters, 1), 0);
    EXPECT_EQ(save_mode(*adapters, 1).bytes(), "3");
    EXPECT_EQ(card_exit_costs(*adapters, 1).exit_cost_in, 5.0f) << "sums go only by clearing";
    EXPECT_EQ(card_description(*adapters, 2).bytes(), "old card") << "no row reached card 2";
    EXPECT_EQ(reading_count(*adapters, 2), 40);

    assign_cards(*adapters, make_snapshot({interface("Same"), interface("Same"), interface("Third")}));
    EXPECT_EQ(card_description(*adapters, 1).bytes(), "Same");
    EXPECT_EQ(card_description(*adapters, 2).bytes(), "Same");
}

TEST(CardReadings, HoursOfAnEveryNHoursSave)
{
    EXPECT_EQ(save_hours(u"12"), 12);
    EXPECT_EQ(save_hours(u" 3 "), 3);
    for (const char16_t *bad : {u"", u"0", u"-2", u"1,5", u"9:05:00", u"999"})
        EXPECT_FALSE(save_hours(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}
