// The monitor's logic without its window: the forecast, the monthly bill and logging a call.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "drovik/monitor/call_logging.h"
#include "drovik/monitor/forecast.h"
#include "drovik/monitor/month_bill.h"
#include "support/qt_print.h"

using namespace datastore;

TEST(HourPay, SplitsDaysAndTime)
{
    const struct {
        float hours;
        const char *text;
        int days;
        TimeOfDay time;
    } cases[] = {
        {24.0f, "1 cут. 0:00:00", 1, {0, 0, 0, 0}},
        {1.5f, "0 cут. 1:30:00", 0, {1, 30, 0, 0}},
        {-3.0f, "0 cут. 0:00:00", 0, {0, 0, 0, 0}},
        {std::numeric_limits<float>::quiet_NaN(), "0 cут. 0:00:00", 0, {0, 0, 0, 0}},
        {26.0f + 5.0f / 60 + 30.0f / 3600, "1 cут. 2:05:30", 1, {2, 5, 30, 0}},
        {5.0f / 60, "0 cут. 0:05:00", 0, {0, 5, 0, 0}},
        {24.0f + 5.0f / 60, "1 cут. 0:05:00", 1, {0, 5, 0, 0}},
    };
    for (const auto &c : cases) {
        const Forecast f = hour_pay(c.hours);
        EXPECT_EQ(f.text, QString::fromUtf8(c.text)) << c.hours;
        EXPECT_EQ(f.days, c.days) << c.hours;
        EXPECT_EQ(f.time, encode_time(c.time)) << c.hours;
    }
}

namespace {

struct Log {
    std::unique_ptr<DataSet> data = make_data_set();
    int p = 2;
    // Adds a logged call of `minutes` minutes at `cost`, starting at `start`.
    void call(double start, double minutes, float cost)
    {
        const int b = call_count(data->providers, p) + 1;
        call_start(data->calls, p, b) = start;
        call_end(data->calls, p, b) = start + minutes / 1440;
        call_duration(data->calls, p, b) = minutes / 1440;
        call_cost(data->calls, p, b) = cost;
        set_next_call(data->providers, p, b + 1);
    }
};

double at(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) { return compose({y, mo, d}, {h, mi, s, ms}); }

} // namespace

TEST(MonthBill, CountsTheCallsWithinTheCalendarMonth)
{
    Log log;
    log.call(at(2028, 1, 31, 23, 50), 20, 100); // across the month's start: not counted
    log.call(at(2028, 2, 1, 0, 0), 10, 1);      // the month's first moment
    log.call(at(2028, 2, 29, 12, 0), 30, 2);    // 29 February
    log.call(at(2028, 2, 29, 23, 59, 0), 59.5 / 60, 4); // ends in the month's last second
    log.call(at(2028, 3, 1, 0, 0), 5, 1000);    // next month
    const MonthBill bill = month_bill(log.data->providers, log.data->calls, log.p, at(2028, 2, 15, 9, 0));
    EXPECT_FLOAT_EQ(bill.cost, 7.0f);
    EXPECT_NEAR(bill.time * 1440, 10 + 30 + 59.5 / 60, 1e-6);

    now_month(log.data->providers, log.data->calls, log.p, at(2028, 2, 15, 9, 0));
    EXPECT_EQ(provider_texts(log.data->providers, log.p).month_time.bytes(), "0:40:59");
    EXPECT_FLOAT_EQ(provider_numbers(log.data->providers, log.p).month_cost, 7.0f);
}

TEST(MonthBill, OnlyTheEntriesSinceTheLogRestarted)
{
    Log log;
    log.call(at(2026, 12, 2, 10, 0), 60, 5);
    log.call(at(2026, 12, 3, 10, 0), 60, 7);
    set_next_call(log.data->providers, log.p, 2); // the log started again at entry 1
    EXPECT_FLOAT_EQ(month_bill(log.data->providers, log.data->calls, log.p, at(2026, 12, 9, 0, 0)).cost, 5.0f);
}

TEST(LogCall, WritesEveryFieldChargesAndAdvances)
{
    auto data = make_data_set();
    const int p = 4;
    provider_numbers(data->providers, p).balance = 20;
    provider_numbers(data->providers, p).price_mb_in = 0.5f;
    provider_numbers(data->providers, p).price_mb_out = 0.25f;
    const LoggedCall first = next_log_entry(data->providers, p);
    ASSERT_EQ(first.entry, 1);
    EXPECT_FALSE(first.limit_warning);

    const FinishedSession s{at(2026, 12, 8, 10, 0), at(2026, 12, 8, 10, 30), 2 * 1048576, 1048576, 115200};
    log_call(data->providers, data->calls, p, 1, s, 3.5f);
    EXPECT_EQ(call_start(data->calls, p, 1), s.start);
    EXPECT_EQ(call_end(data->calls, p, 1), s.end);
    EXPECT_DOUBLE_EQ(total_time(data->calls, p, 1), s.end - s.start);
    EXPECT_EQ(call_cost(data->calls, p, 1), 3.5f);
    EXPECT_EQ(bytes_in(data->calls, p, 1), 2097152.0f);
    EXPECT_EQ(mb_in(data->calls, p, 1), 2.0f);
    EXPECT_EQ(mb_out(data->calls, p, 1), 1.0f);
    EXPECT_EQ(call_speed(data->calls, p, 1), 49664);
    EXPECT_EQ(cost_in_total(data->calls, p, 1), 1.0f);
    EXPECT_EQ(provider_numbers(data->providers, p).balance, 16.5f);
    EXPECT_EQ(next_call(data->providers, p), 2);

    provider_flags(data->providers, p).credit = 1;
    log_call(data->providers, data->calls, p, 2, s, 3.5f);
    EXPECT_EQ(provider_numbers(data->providers, p).balance, 20.0f) << "on credit the debt grows";
    EXPECT_DOUBLE_EQ(total_time(data->calls, p, 2), 2 * (s.end - s.start));
    EXPECT_EQ(cost_in_total(data->calls, p, 2), 2.0f);
    EXPECT_EQ(cost_out_total(data->calls, p, 2), 0.5f);
}

TEST(LogCall, TheLogWrapsAfterEntry497)
{
    auto data = make_data_set();
    const int p = 1;
    for (const auto &[next, entry, warn] : {std::tuple{490, 490, false}, {491, 491, true}, {498, 1, true}}) {
        set_next_call(data->providers, p, next);
        const LoggedCall c = next_log_entry(data->providers, p);
        EXPECT_EQ(c.entry, entry) << next;
        EXPECT_EQ(c.limit_warning, warn) << next;
    }
    total_time(data->calls, p, 497) = 5;
    const FinishedSession s{1.0, 1.25, 0, 0, 9600};
    log_call(data->providers, data->calls, p, 1, s, 0);
    EXPECT_DOUBLE_EQ(total_time(data->calls, p, 1), 0.25) << "the total starts again";
    EXPECT_EQ(next_call(data->providers, p), 2);
}

#include "drovik/monitor/provider_identity.h"

TEST(ServerGuard, NetworkKeys)
{
    EXPECT_TRUE(Check_IP(QStringLiteral("195.34.10.200"), QStringLiteral("195.34.10.7")));
    EXPECT_FALSE(Check_IP(QStringLiteral("195.34.11.7"), QStringLiteral("195.34.10.7")));
    EXPECT_FALSE(Check_IP(QStringLiteral("195.34.10.7"), QString()));
    EXPECT_TRUE(Check_IP(QString(), QStringLiteral("localhost"))) << "no full stops: both keys are \"..\"";
    EXPECT_EQ(network_key(QStringLiteral("10.1")), QStringLiteral("10.."));
    EXPECT_EQ(network_key(QStringLiteral("10.1.2")), QStringLiteral("10.1."));
}

TEST(ProviderIdentity, TheHighestSlotWithTheStoredNameWins)
{
    auto providers = std::make_unique<ProviderRecord>();
    const QString long_name = QString(60, u'Ж');
    provider_texts(*providers, 2).name.assign(QStringLiteral("Дом"));
    provider_texts(*providers, 5).name.assign(QStringLiteral("Дом"));
    provider_texts(*providers, 7).name.assign(long_name);
    EXPECT_EQ(slot_of_name(*providers, QStringLiteral("Дом")), 5);
    EXPECT_EQ(slot_of_name(*providers, QStringLiteral("дом")), 0) << "letter case counts";
    EXPECT_EQ(slot_of_name(*providers, long_name), 7) << "compared as stored, cut to 50";
}

TEST(ProviderIdentity, TheNamesTableHoldsTheFirstNine)
{
    std::vector<QString> entries;
    for (int i = 0; i < 11; ++i)
        entries.push_back(QStringLiteral("entry %1").arg(i));
    const auto table = names_table(entries);
    EXPECT_EQ(table[0], 7);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&table[51 * 8 + 1]), table[51 * 8]), "entry 8");
    EXPECT_EQ(slot_count(entries.size()), 9);
}
