#include <QStringDecoder>

#include <gtest/gtest.h>

#include "datastore/short_string.h"
#include "support/qt_print.h"

using namespace datastore;

TEST(ShortString, StoringCutsToTheCapacity)
{
    ShortString<10> s{};
    s.assign(QStringLiteral("123456789012"));
    EXPECT_EQ(s.length, 10);
    EXPECT_EQ(s.bytes(), "1234567890");

    ShortString<50> name{};
    name.assign(QString(60, u'Ж'));
    EXPECT_EQ(name.text(), QString(50, u'Ж'));
}

TEST(ShortString, ALengthAboveTheCapacityReadsAsTheCapacity)
{
    ShortString<50> s{};
    std::memset(s.chars, 'x', sizeof s.chars);
    s.length = 255;
    EXPECT_EQ(s.size(), 50u);
    EXPECT_EQ(s.text(), QString(50, u'x'));
}

TEST(ShortString, StoringClearsTheOldTail)
{
    ShortString<10> s{};
    s.assign(QStringLiteral("longer one"));
    s.assign(QStringLiteral("ab"));
    EXPECT_EQ(std::string(s.chars, 10), std::string("ab\0\0\0\0\0\0\0\0", 10));
}

TEST(Cp1251, RussianTextRoundTrips)
{
    const QString text = QStringLiteral("Провайдер инфо: Ёлка, №5 — «ok» ёжик");
    const std::string bytes = to_cp1251(text);
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(text.size()));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCF); // П
    EXPECT_EQ(from_cp1251(bytes), text);
}

TEST(Cp1251, EveryByteAgreesWithTheSystemCodec)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QStringDecoder icu("windows-1251");
    ASSERT_TRUE(icu.isValid());
    const QString expected = icu.decode(QByteArrayView(all.data(), 256));
    EXPECT_EQ(from_cp1251(all), expected);
    EXPECT_EQ(to_cp1251(expected), all);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeAQuestionMark)
{
    EXPECT_EQ(to_cp1251(QStringLiteral("a漢b")), "a?b");
    EXPECT_EQ(to_cp1251(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y"); // one ? for a surrogate pair
    EXPECT_EQ(to_cp1251(QString(QChar(0xD800))), "?");                  // a lone surrogate
}
