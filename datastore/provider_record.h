#pragma once

#include <cstddef>
#include <cstdint>

#include "checked_index.h"
#include "short_string.h"

namespace datastore {

struct ProviderTexts {
    ShortString<50> name;
    ShortString<50> server_ip;
    ShortString<50> shared_text; // a program-wide text in slots 1 to 6, see the named accessors
    ShortString<50> month_time;
    ShortString<50> spare_text;
};

struct ProviderNumbers {
    float balance;
    float price_mb_in;
    float price_mb_out;
    float next_call; // read through next_call() below: the file may hold anything
    float month_cost;
};

struct ProviderFlags {
    std::uint8_t credit;
    std::uint8_t saturday;
    std::uint8_t sunday;
    std::uint8_t spare_flag;
    std::uint8_t show_month_bill;
};

// "Провайдер инфо.dat": nine provider slots.
struct ProviderRecord {
    std::uint8_t slot_map[kSlots];
    ProviderTexts texts[kSlots];
    ProviderNumbers numbers[kSlots];
    ProviderFlags flags[kSlots];
    std::uint8_t reserved[3];
};

static_assert(sizeof(ProviderTexts) == 255);
static_assert(offsetof(ProviderTexts, server_ip) == 51);
static_assert(offsetof(ProviderTexts, shared_text) == 102);
static_assert(offsetof(ProviderTexts, month_time) == 153);
static_assert(offsetof(ProviderTexts, spare_text) == 204);
static_assert(sizeof(ProviderNumbers) == 20);
static_assert(offsetof(ProviderNumbers, price_mb_in) == 4);
static_assert(offsetof(ProviderNumbers, price_mb_out) == 8);
static_assert(offsetof(ProviderNumbers, next_call) == 12);
static_assert(offsetof(ProviderNumbers, month_cost) == 16);
static_assert(sizeof(ProviderFlags) == 5);
static_assert(offsetof(ProviderFlags, saturday) == 1);
static_assert(offsetof(ProviderFlags, sunday) == 2);
static_assert(offsetof(ProviderFlags, spare_flag) == 3);
static_assert(offsetof(ProviderFlags, show_month_bill) == 4);
static_assert(sizeof(ProviderRecord) == 2532);
static_assert(offsetof(ProviderRecord, slot_map) == 0);
static_assert(offsetof(ProviderRecord, texts) == 9);
static_assert(offsetof(ProviderRecord, numbers) == 2304);
static_assert(offsetof(ProviderRecord, flags) == 2484);
static_assert(offsetof(ProviderRecord, reserved) == 2529);

// Slot p = 1..9.
template <RecordRef<ProviderRecord> R>
auto &provider_texts(R &rec, int p) { return at1(rec.texts, p, "provider slot"); }
template <RecordRef<ProviderRecord> R>
auto &provider_numbers(R &rec, int p) { return at1(rec.numbers, p, "provider slot"); }
template <RecordRef<ProviderRecord> R>
auto &provider_flags(R &rec, int p) { return at1(rec.flags, p, "provider slot"); }

// The slot that holds the data of the phonebook entry at list position i (1..9); 0 = none.
// A stored value above 9 cannot name a slot and reads as none.
int slot_of_entry(const ProviderRecord &rec, int i);

// The program-wide texts kept in `shared_text` of slots 1 to 6.
template <RecordRef<ProviderRecord> R> auto &machine_id(R &rec) { return rec.texts[0].shared_text; }
template <RecordRef<ProviderRecord> R> auto &pop3_password(R &rec) { return rec.texts[1].shared_text; }
template <RecordRef<ProviderRecord> R> auto &pop3_server(R &rec) { return rec.texts[2].shared_text; }
template <RecordRef<ProviderRecord> R> auto &pop3_user(R &rec) { return rec.texts[3].shared_text; }
template <RecordRef<ProviderRecord> R> auto &mail_address(R &rec) { return rec.texts[4].shared_text; }
template <RecordRef<ProviderRecord> R> auto &lock_password(R &rec) { return rec.texts[5].shared_text; }

constexpr int kLastNextCall = 498;

// `next_call` of slot p rounded to the nearest integer (ties to even) and made sound:
// NaN and negatives read as 0 (no call yet), anything above 498 as 498 (the log must wrap).
int next_call(const ProviderRecord &rec, int p);
void set_next_call(ProviderRecord &rec, int p, int entry);

// Number of logged calls of slot p; the last one is entry call_count(). 0 for an empty log.
int call_count(const ProviderRecord &rec, int p);

// The call-log entry that the next finished call of slot p takes, and whether the user must
// first be told that the log is full (the entry is above 490).
struct CallEntryChoice {
    int entry;
    bool limit_warning;
};
CallEntryChoice choose_call_entry(const ProviderRecord &rec, int p);

} // namespace datastore
