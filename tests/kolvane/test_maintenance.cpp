// Rebuilding the provider slots when the phonebook changes, over whole records.
#include <cstring>

#include <gtest/gtest.h>

#include "datastore/tdatetime.h"
#include "kolvane/maintenance.h"

using namespace datastore;
using namespace kolvane;

namespace {

// A provider's own data, told apart by its letter: balance, flags, tariff, holidays, call log.
void fill_provider(DataSet &d, int slot, char letter)
{
    provider_texts(d.providers, slot).name.assign_bytes(std::string(1, letter));
    provider_texts(d.providers, slot).server_ip.assign_bytes(std::string("10.0.0.") + letter);
    provider_numbers(d.providers, slot).balance = static_cast<float>(letter);
    provider_flags(d.providers, slot).credit = 1;
    hour_price(d.tariff, slot, 1) = static_cast<float>(letter) / 10;
    row_end(d.tariff, slot, 1) = 0.5;
    row_flag(d.tariff, slot, 7) = 1;
    holiday(d.tariff, slot, 1) = 46000 + letter;
    call_cost(d.calls, slot, 5) = static_cast<float>(letter);
    total_time(d.calls, slot, 500) = letter;
    bytes_in(d.calls, slot, 1) = letter;
}

std::unique_ptr<DataSet> providers(const std::string &letters)
{
    auto d = make_data_set();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        fill_provider(*d, static_cast<int>(i + 1), letters[i]);
        d->providers.slot_map[i] = static_cast<std::uint8_t>(i + 1);
    }
    d->settings.provider_count = static_cast<std::uint8_t>(letters.size());
    for (int p = 1; p <= 6; ++p)
        provider_texts(d->providers, p).shared_text.assign_bytes("shared" + std::to_string(p));
    std::memset(d->settings.reserved, 0x5A, 3);
    d->settings.pop3_port.assign_bytes("995");
    return d;
}

PhonebookList list_of(const std::vector<std::string> &names)
{
    PhonebookList l;
    l.count = static_cast<int>(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        l.names[i] = names[i];
    return l;
}

// Slot `slot` carries provider `letter`'s own data (not its holidays, which stay with slots).
void expect_provider_data(const DataSet &d, int slot, char letter)
{
    SCOPED_TRACE(std::string("slot ") + std::to_string(slot) + " has " + letter);
    EXPECT_EQ(provider_texts(d.providers, slot).server_ip.bytes(), std::string("10.0.0.") + letter);
    EXPECT_EQ(provider_numbers(d.providers, slot).balance, static_cast<float>(letter));
    EXPECT_EQ(provider_flags(d.providers, slot).credit, 1);
    EXPECT_EQ(hour_price(d.tariff, slot, 1), static_cast<float>(letter) / 10);
    EXPECT_EQ(call_cost(d.calls, slot, 5), static_cast<float>(letter));
    EXPECT_EQ(total_time(d.calls, slot, 500), letter);
    EXPECT_EQ(bytes_in(d.calls, slot, 1), letter);
}

void expect_names_and_map(const DataSet &d, const std::vector<std::string> &names)
{
    for (int p = 1; p <= 9; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        EXPECT_EQ(provider_texts(d.providers, p).name.bytes(), i < names.size() ? names[i] : "") << p;
        EXPECT_EQ(d.providers.slot_map[i], i < names.size() ? p : 0) << p;
    }
    EXPECT_EQ(d.settings.provider_count, names.size());
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(provider_texts(d.providers, p).shared_text.bytes(), "shared" + std::to_string(p));
    EXPECT_EQ(d.settings.pop3_port.bytes(), "995");
    EXPECT_EQ(d.settings.reserved[2], 0x5A);
}

} // namespace

TEST(ChangeRecord, AnEntryAddedBetweenTwo)
{
    auto d = providers("AB");
    change_record(*d, list_of({"A", "C", "B"}));
    expect_names_and_map(*d, {"A", "C", "B"});
    expect_provider_data(*d, 1, 'A');
    expect_provider_data(*d, 3, 'B');
    EXPECT_EQ(holiday(d->tariff, 3, 1), 0) << "holidays stay with the slot number";
    // Slot 2 was moved away: its provider fields are cleared, its tariff and log stay.
    EXPECT_EQ(provider_numbers(d->providers, 2).balance, 20.0f);
    EXPECT_TRUE(provider_texts(d->providers, 2).server_ip.empty());
    EXPECT_EQ(provider_flags(d->providers, 2).credit, 0);
    EXPECT_EQ(hour_price(d->tariff, 2, 1), 'B' / 10.0f);
    EXPECT_EQ(call_cost(d->calls, 2, 5), 'B');
    EXPECT_EQ(holiday(d->tariff, 2, 1), 46000 + 'B');
}

TEST(ChangeRecord, AnEntryRemoved)
{
    auto d = providers("ABC");
    change_record(*d, list_of({"A", "C"}));
    expect_names_and_map(*d, {"A", "C"});
    expect_provider_data(*d, 1, 'A');
    expect_provider_data(*d, 2, 'C');
    EXPECT_EQ(holiday(d->tariff, 2, 1), 46000 + 'B');
    EXPECT_TRUE(provider_texts(d->providers, 3).name.empty());
    EXPECT_EQ(provider_numbers(d->providers, 3).balance, 0.0f);
    EXPECT_EQ(call_cost(d->calls, 3, 5), 'C');
}

TEST(ChangeRecord, ARemovedEntryAndARenamedOne)
{
    auto d = providers("ABC");
    change_record(*d, list_of({"A", "D"}));
    expect_names_and_map(*d, {"A", "D"});
    expect_provider_data(*d, 2, 'B'); // the slot handed out (4) held nothing to move
    EXPECT_EQ(holiday(d->tariff, 2, 1), 46000 + 'B');
    EXPECT_TRUE(provider_texts(d->providers, 3).name.empty());
    expect_provider_data(*d, 3, 'C');
}

TEST(ChangeRecord, DefaultsForNewSlotsAndLongNames)
{
    auto d = providers("A");
    provider_numbers(d->providers, 1).balance = 0.01f;
    const std::string long_name(60, 'x');
    change_record(*d, list_of({"A", long_name}));
    EXPECT_EQ(provider_texts(d->providers, 2).name.bytes(), long_name.substr(0, 50));
    EXPECT_EQ(provider_numbers(d->providers, 1).balance, 0.01f);
    EXPECT_EQ(provider_numbers(d->providers, 2).balance, 20.0f);
    EXPECT_EQ(hour_price(d->tariff, 2, 1), 1.0f);
    EXPECT_EQ(row_start(d->tariff, 2, 1), 0.0);
    EXPECT_EQ(row_end(d->tariff, 2, 1), encode_time({23, 59, 59, 0}));
}

TEST(ChangeRecord, EntriesAddedAndRemovedAtOnceKeepEveryProvidersData)
{
    // B removed, X and Y added: every kept provider's data must land in its entry's new slot.
    const std::vector<std::vector<std::string>> lists = {
        {"A", "X", "C", "D", "Y", "E", "F", "G"},
        {"X", "A", "C", "D", "E", "F", "G", "Y"},
        {"C", "D", "X", "E", "F", "G", "A", "Y"},
    };
    for (const auto &names : lists) {
        auto d = providers("ABCDEFG");
        change_record(*d, list_of(names));
        expect_names_and_map(*d, names);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] != "X" && names[i] != "Y")
                expect_provider_data(*d, static_cast<int>(i + 1), names[i][0]);
        }
    }
}

TEST(ChangeRecord, TheHostsNameBlockIsRead)
{
    std::uint8_t block[459] = {};
    block[0] = 3;
    std::memcpy(block + 1, "abc", 3);
    block[51] = 255; // a length byte above 50 reads as 50
    std::memset(block + 52, 'z', 50);
    const PhonebookList l = phonebook_list(2, block);
    EXPECT_EQ(l.count, 2);
    EXPECT_EQ(l.names[0], "abc");
    EXPECT_EQ(l.names[1], std::string(50, 'z'));
}
