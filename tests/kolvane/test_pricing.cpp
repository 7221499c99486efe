// The pricing of a span against the examples of the tariff it was designed with.
#include <cmath>

#include <gtest/gtest.h>

#include "datastore/formats.h"
#include "kolvane/pricing.h"

using namespace datastore;
using namespace kolvane;

namespace {

constexpr int kP = 3;
double at(int day, int h, int m, int s = 0, int ms = 0) { return compose({2026, 12, day}, {h, m, s, ms}); }
double tod(int h, int m, int s) { return encode_time({h, m, s, 0}); }

struct Setup {
    bool saturday = false;
    bool sunday = false;
    bool holiday_on = false;
    bool three_weekday_rows = false;
    double row8_start = tod(0, 0, 0);
    double row8_end = tod(23, 59, 59);
};

// Row 1 8:00:00–19:59:59 at 30; row 2 20:00:00–7:59:59 at 15; row 6 the whole day at 10; row 8
// at 2. With three weekday rows: row 2 20:00:00–22:59:59 at 15, row 3 23:00:00–7:59:59 at 5.
struct Records {
    std::unique_ptr<DataSet> data = make_data_set();
    explicit Records(const Setup &s)
    {
        provider_flags(data->providers, kP).saturday = s.saturday;
        provider_flags(data->providers, kP).sunday = s.sunday;
        TariffRecord &t = data->tariff;
        const double base = 46000; // the editor writes one common date part
        auto set = [&](int r, double a, double b, float price) {
            row_start(t, kP, r) = base + a;
            row_end(t, kP, r) = base + b;
            hour_price(t, kP, r) = price;
        };
        set(1, tod(8, 0, 0), tod(19, 59, 59), 30);
        row_flag(t, kP, row_on_flag(2)) = 1;
        if (s.three_weekday_rows) {
            set(2, tod(20, 0, 0), tod(22, 59, 59), 15);
            set(3, tod(23, 0, 0), tod(7, 59, 59), 5);
            row_flag(t, kP, row_on_flag(3)) = 1;
        } else {
            set(2, tod(20, 0, 0), tod(7, 59, 59), 15);
        }
        set(6, tod(0, 0, 0), tod(23, 59, 59), 10);
        set(8, s.row8_start, s.row8_end, 2);
        row_flag(t, kP, kHolidaysOnFlag) = s.holiday_on;
        holiday(t, kP, 4) = encode_date({2026, 12, 8});
    }
};

struct Example {
    const char *what;
    Setup setup;
    double start;
    double end;
    double now; // 0: the end
    float cost;
    int row;    // 99: the caller's value stays
};

class PricingExamples : public ::testing::TestWithParam<Example> {};

} // namespace

TEST_P(PricingExamples, CostAndRow)
{
    const Example &e = GetParam();
    SCOPED_TRACE(e.what);
    Records r(e.setup);
    std::uint8_t row = 99;
    const float cost = price_span(r.data->providers, r.data->tariff, kP, row, e.start, e.end, e.now != 0 ? e.now : e.end);
    EXPECT_FLOAT_EQ(cost, e.cost);
    EXPECT_EQ(row, e.row);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PricingExamples,
    ::testing::Values(
        Example{"1 weekday row", {}, at(8, 10, 0), at(8, 10, 30), 0, 15.0f, 1},
        Example{"2 two rows", {}, at(8, 19, 30), at(8, 20, 30), 0, 22.491667f, 2},
        Example{"3 across midnight, second attempt", {}, at(7, 23, 30), at(8, 0, 30), 0, 15.0f, 2},
        // Left open: the morning part of the night row; each moment at its row.
        Example{"4 morning part of a wrapping row", {}, at(8, 7, 0), at(8, 21, 0), 0,
                float(double(span_cost(15, tod(0, 59, 59))) + span_cost(30, tod(11, 59, 59)) + span_cost(15, tod(1, 0, 0))), 2},
        Example{"5 three rows", Setup{.three_weekday_rows = true}, at(8, 18, 0), at(8, 23, 30), 0, 107.4875f, 3},
        Example{"6 weekend", Setup{.saturday = true, .sunday = true}, at(5, 10, 0), at(5, 11, 0), 0, 10.0f, 6},
        Example{"7 Sunday into Monday", Setup{.saturday = true, .sunday = true}, at(6, 23, 0), at(7, 1, 0), 0, 24.997223f, 2},
        Example{"8 Friday into Saturday", Setup{.saturday = true, .sunday = true}, at(4, 23, 0), at(5, 1, 0), 0, 24.995834f, 6},
        Example{"9 Saturday into Sunday", Setup{.saturday = true, .sunday = true}, at(5, 23, 0), at(6, 1, 0), 0, 20.0f, 6},
        Example{"10 holiday", Setup{.holiday_on = true}, at(8, 10, 0), at(8, 11, 0), 0, 2.0f, 99},
        Example{"11 span starts before the holiday row", Setup{.holiday_on = true, .row8_start = tod(10, 0, 0), .row8_end = tod(12, 0, 0)},
                at(8, 9, 0), at(8, 11, 0), 0, 60.0f, 1},
        Example{"12 no weekend day: Saturday on weekday rows", {}, at(5, 10, 0), at(5, 11, 0), 0, 30.0f, 1},
        // Left open: the end falls in the free second between two rows; the row just before it.
        Example{"14 end in the gap", {}, at(8, 19, 0), at(8, 19, 59, 59, 500), 0, span_cost(30, tod(0, 59, 59)), 1},
        // Left open, only Saturday ticked: weekday rows on Friday, weekend rows on Saturday.
        Example{"one weekend day, within a weekday", Setup{.saturday = true}, at(8, 10, 0), at(8, 11, 0), 0, 30.0f, 1},
        Example{"one weekend day, within it", Setup{.saturday = true}, at(5, 10, 0), at(5, 11, 0), 0, 10.0f, 6},
        // Left open, both ticked, Sunday to Tuesday: each day by its own rows.
        Example{"no kind: Sunday to Tuesday", Setup{.saturday = true, .sunday = true}, at(6, 23, 0), at(8, 0, 30), 0,
                float(double(span_cost(10, tod(0, 59, 59))) + span_cost(15, tod(7, 59, 59)) + span_cost(30, tod(11, 59, 59)) +
                      span_cost(15, tod(4, 0, 0)) + span_cost(15, tod(0, 30, 0))),
                2}));

TEST(SpanCost, DropsDaysAndSign)
{
    const struct {
        float price;
        double span;
        float cost;
    } cases[] = {
        {30, 25.0 / 24, 30.0f},                 // 25 hours cost as one
        {12, -0.5 / 24, 6.0f},                  // a negative span as its absolute value
        {3600, 1.5 / 86400, 1.5f},              // milliseconds count
        {3600, 0.0004 / 86400, 0.0f},           // below a millisecond
        {30, tod(0, 29, 59), 14.991667f},
    };
    for (const auto &c : cases)
        EXPECT_FLOAT_EQ(span_cost(c.price, c.span), c.cost) << c.span;
}

TEST(JoinDateTime, EqualsTheTextRoute)
{
    const Formats &f = Formats::russian();
    const double dates[] = {46364.0, 46364.999, 2.25, 73050.5};
    const double times[] = {0.0, tod(23, 59, 59) + 0.0009 / 86400, at(8, 7, 59, 59, 999), 46000 + tod(20, 0, 0), 0.5};
    for (const double d : dates) {
        for (const double t : times) {
            const auto by_text = f.parse_date_time(QString(f.date_text(d) + u' ' + f.time_text(t)));
            ASSERT_TRUE(by_text.has_value());
            EXPECT_EQ(join_date_time(d, t), *by_text) << d << " " << t;
        }
    }
}
