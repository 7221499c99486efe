#include <gtest/gtest.h>

#include "datastore/scramble.h"

using namespace datastore;
using enum ScrambleDirection;

TEST(Scramble, ShiftsByTheKeyStartingAtItsSecondByte)
{
    const struct {
        std::string data;
        std::string key;
        std::string forward;
    } cases[] = {
        {"AAAA", "583", std::string{char('A' + '8'), char('A' + '3'), char('A' + '5'), char('A' + '8')}},
        {"x", "9", std::string{char('x' + '9')}},
        {"", "583", ""},
        {"secret", "", ""},
        // Byte sums past 255 wrap around.
        {"\xF0\xFF", "12", std::string{char(0xF0 + '2' - 256), char(0xFF + '1' - 256)}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(scramble(c.data, c.key, Forward), c.forward) << c.data << " / " << c.key;
    }
}

TEST(Scramble, BackwardUndoesForwardForEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (const std::string &key : {std::string("583"), std::string("947"), std::string("\xFF"), std::string(1, '\0')})
        EXPECT_EQ(scramble(scramble(all, key, Forward), key, Backward), all);
}
