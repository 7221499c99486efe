#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "datastore/formats.h"
#include "support/qt_print.h"

using namespace datastore;

namespace {
const Formats &ru = Formats::russian();
QString text(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

TEST(TDateTimeCalendar, KnownPoints)
{
    EXPECT_EQ(encode_date({1899, 12, 30}), 0.0);
    EXPECT_EQ(encode_date({2026, 12, 8}), 46364.0);
    EXPECT_EQ(decode_date(46364.0), (CivilDate{2026, 12, 8}));
    EXPECT_EQ(decode_time(0.5), (TimeOfDay{12, 0, 0, 0}));
    EXPECT_EQ(day_of_week(46364.0), 3); // Tuesday
    EXPECT_EQ(day_of_week(0.0), 7);     // 1899-12-30 was a Saturday
    EXPECT_EQ(day_of_week(-1.0), 6);
    EXPECT_EQ(day_of_week(46369.99), 1); // Sunday evening
}

TEST(TDateTimeCalendar, NegativeValuesCountDaysBackAndKeepTheTime)
{
    const auto v = decode(-1.25);
    EXPECT_EQ(v.date, (CivilDate{1899, 12, 29}));
    EXPECT_EQ(v.time, (TimeOfDay{6, 0, 0, 0}));
    EXPECT_EQ(decode(-0.5).date, (CivilDate{1899, 12, 30}));
    EXPECT_EQ(compose({1899, 12, 29}, {6, 0, 0, 0}), -1.25);
    EXPECT_EQ(time_of(-1.25), 0.25);
    EXPECT_EQ(date_of(-1.25), -1.0);
}

TEST(TDateTimeCalendar, FractionsRoundToWholeMilliseconds)
{
    EXPECT_EQ(decode_time(encode_time({23, 59, 59, 999})), (TimeOfDay{23, 59, 59, 999}));
    const auto next = decode(46364.0 + 0.99999999999);
    EXPECT_EQ(next.date, (CivilDate{2026, 12, 9}));
    EXPECT_EQ(next.time, (TimeOfDay{0, 0, 0, 0}));
    const double t = compose({2026, 12, 8}, {9, 5, 7, 250});
    EXPECT_EQ(decode_time(t), (TimeOfDay{9, 5, 7, 250}));
    EXPECT_EQ(date_of(t), 46364.0);
}

TEST(TDateTimeCalendar, GarbageDecodesWithinTheCalendar)
{
    for (const double v : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300,
                           std::numeric_limits<double>::infinity()}) {
        const auto d = decode(v);
        EXPECT_TRUE(is_valid_date(d.date.year, d.date.month, d.date.day)) << v;
        EXPECT_GE(day_of_week(v), 1);
        EXPECT_LE(day_of_week(v), 7);
    }
}

TEST(TimeTexts, RussianConventions)
{
    const double t = compose({2026, 12, 8}, {9, 5, 0, 0});
    EXPECT_EQ(ru.date_text(t), QStringLiteral("08.12.2026"));
    EXPECT_EQ(ru.time_text(t), QStringLiteral("9:05:00"));
    EXPECT_EQ(ru.date_time_text(t), QStringLiteral("08.12.2026 9:05:00"));
    EXPECT_EQ(ru.date_time_text(46364.0), QStringLiteral("08.12.2026 0:00:00"));
    EXPECT_EQ(ru.time_text(2.0 / 86400), QStringLiteral("0:00:02"));
    // A duration of a day or more loses its whole days.
    EXPECT_EQ(ru.time_text(1.0 + 2.0 / 24), QStringLiteral("2:00:00"));
}

TEST(TimeTexts, ParsingIsTheInverse)
{
    EXPECT_EQ(ru.parse_date(u"08.12.2026"), 46364.0);
    EXPECT_EQ(ru.parse_date(u" 8.12.2026 "), 46364.0);
    EXPECT_EQ(ru.parse_time(u"9:05:00"), encode_time({9, 5, 0, 0}));
    EXPECT_EQ(ru.parse_time(u"23:59:59"), encode_time({23, 59, 59, 0}));
    EXPECT_EQ(ru.parse_date_time(u"08.12.2026 9:05:00"), compose({2026, 12, 8}, {9, 5, 0, 0}));
    EXPECT_EQ(ru.parse_date_time(u"08.12.2026"), 46364.0);
    // A value survives its text to the second.
    const double t = compose({2031, 2, 28}, {17, 44, 3, 0});
    EXPECT_EQ(ru.parse_date_time(ru.date_time_text(t)), t);

    for (const char16_t *bad : {u"", u"31.02.2026", u"08.13.2026", u"08/12/2026", u"08.12.2026x", u"24:00:00",
                                u"9:60:00", u"9:05", u"ab:cd:ef", u"08.12.2026T9:05:00"}) {
        EXPECT_FALSE(ru.parse_date_time(bad).has_value()) << QString::fromUtf16(bad).toStdString();
        EXPECT_FALSE(ru.parse_time(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(TimeTexts, OtherConventionsCanBeBuilt)
{
    const Formats us(QStringLiteral("M/d/yyyy"), QStringLiteral("hh:mm:ss"), u'.');
    const double t = compose({2026, 12, 8}, {9, 5, 0, 0});
    EXPECT_EQ(us.date_time_text(t), QStringLiteral("12/8/2026 09:05:00"));
    EXPECT_EQ(us.parse_date(u"12/8/2026"), 46364.0);
    EXPECT_EQ(us.float_text(0.5), QStringLiteral("0.5"));
}

struct FloatCase {
    double value;
    const char *text;
};

class FloatText : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatText, RendersLikeTheGeneralFormat)
{
    EXPECT_EQ(ru.float_text(GetParam().value), text(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, FloatText,
                         ::testing::Values(FloatCase{double(0.1f), "0,100000001490116"},
                                           FloatCase{0.1, "0,1"},
                                           FloatCase{0.0, "0"},
                                           FloatCase{20.0, "20"},
                                           FloatCase{-3.5, "-3,5"},
                                           FloatCase{1234567.0, "1234567"},
                                           FloatCase{0.00001, "0,00001"},
                                           FloatCase{0.0000015, "1,5E-6"},
                                           FloatCase{123456789012345.0, "123456789012345"},
                                           FloatCase{1e15, "1E15"},
                                           FloatCase{1e20, "1E20"},
                                           FloatCase{2.0 / 3.0, "0,666666666666667"}));

TEST(FloatTextParsing, ReadsWhatTheUserTypes)
{
    EXPECT_EQ(ru.parse_float(u"0,1"), 0.1);
    EXPECT_EQ(static_cast<float>(*ru.parse_float(u"0,1")), 0.1f);
    EXPECT_EQ(ru.parse_float(u" -12 "), -12.0);
    EXPECT_EQ(ru.parse_float(u"1,5E-6"), 1.5e-6);
    EXPECT_EQ(ru.parse_float(u",5"), 0.5);
    EXPECT_EQ(static_cast<float>(ru.parse_float(ru.float_text(double(0.1f))).value()), 0.1f); // the box reads back
    for (const char16_t *bad : {u"", u"0.1", u"1,2,3", u"abc", u"1E", u"-", u",", u"1e999", u"1 000"})
        EXPECT_FALSE(ru.parse_float(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(Realtostr, FixedDecimalsWithAFullStop)
{
    const struct {
        int digits;
        double value;
        const char *text;
    } cases[] = {
        {4, 1.2, "1.2000"},    {3, 0.0004, "0.000"}, {3, 0.0, "0"},       {0, 0.0, "0"},
        {3, -0.0, "0"},        {2, 2.675, "2.67"},   {3, -1.5, "-1.500"}, {0, 7.6, "8"},
        {3, -0.0001, "0.000"}, {2, 1e7, "10000000.00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(realtostr(static_cast<std::uint8_t>(c.digits), c.value), text(c.text)) << c.value;
    EXPECT_EQ(realtostr(255, 1e308).size(), 309 + 1 + 255);
}
