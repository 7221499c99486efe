#pragma once

#include <cstddef>
#include <cstdint>

#include "short_string.h"

namespace datastore {

// "Настройки.ini": a binary record despite its name. Booleans are bytes: some readers test for
// any non-zero value, others compare with 1, so they are kept as the raw byte.
struct SettingsRecord {
    std::uint8_t provider_count;
    ShortString<10> net_refresh_index;
    ShortString<10> card1_save_param;
    ShortString<10> pop3_port;
    ShortString<10> card2_save_param;
    std::uint8_t start_in_tray;
    std::uint8_t live_calc;
    std::uint8_t provider_watch_off;
    std::uint8_t warn_5min;
    std::uint8_t net_watch_off;
    std::uint8_t modem_watch_off;
    std::uint8_t mail_via_lan;
    std::uint8_t clock_hint;
    std::uint8_t mail_check;
    std::uint8_t dialup_lock;
    std::uint8_t foreign_call_guard;
    std::uint8_t close_to_tray;
    std::uint8_t reserved[3];
};

static_assert(sizeof(SettingsRecord) == 60);
static_assert(offsetof(SettingsRecord, provider_count) == 0);
static_assert(offsetof(SettingsRecord, net_refresh_index) == 1);
static_assert(offsetof(SettingsRecord, card1_save_param) == 12);
static_assert(offsetof(SettingsRecord, pop3_port) == 23);
static_assert(offsetof(SettingsRecord, card2_save_param) == 34);
static_assert(offsetof(SettingsRecord, start_in_tray) == 45);
static_assert(offsetof(SettingsRecord, live_calc) == 46);
static_assert(offsetof(SettingsRecord, provider_watch_off) == 47);
static_assert(offsetof(SettingsRecord, warn_5min) == 48);
static_assert(offsetof(SettingsRecord, net_watch_off) == 49);
static_assert(offsetof(SettingsRecord, modem_watch_off) == 50);
static_assert(offsetof(SettingsRecord, mail_via_lan) == 51);
static_assert(offsetof(SettingsRecord, clock_hint) == 52);
static_assert(offsetof(SettingsRecord, mail_check) == 53);
static_assert(offsetof(SettingsRecord, dialup_lock) == 54);
static_assert(offsetof(SettingsRecord, foreign_call_guard) == 55);
static_assert(offsetof(SettingsRecord, close_to_tray) == 56);
static_assert(offsetof(SettingsRecord, reserved) == 57);

// The save parameter of card n = 1..2: hours or a time of day, as its save mode wants.
inline ShortString<10> &card_save_param(SettingsRecord &s, int n) { return n == 1 ? s.card1_save_param : s.card2_save_param; }
inline const ShortString<10> &card_save_param(const SettingsRecord &s, int n)
{
    return n == 1 ? s.card1_save_param : s.card2_save_param;
}

// The boolean reading for fields that any non-zero byte switches on.
constexpr bool is_set(std::uint8_t flag) { return flag != 0; }

} // namespace datastore
