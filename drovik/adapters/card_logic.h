#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "datastore/data_files.h"
#include "platform/netifaces.h"

// The network cards: what one look at the interfaces gives, how a card is found in it and
// priced, how a reading is kept, and how interfaces become cards.

inline constexpr int kSnapshotRows = 4;
// The save modes of a card, as the file holds them.
inline constexpr std::string_view kSaveEveryHours = "1";
inline constexpr std::string_view kSaveDaily = "2";
inline constexpr std::string_view kSaveAtExit = "3";
// An interface whose description holds this is the loopback one, never a card.
inline constexpr char kLoopbackMarker[] = "S TCP";

struct SnapshotRow {
    std::string description; // Windows-1251, as a card's description is stored
    float in_octets = 0;     // the interface's 32-bit counters
    float out_octets = 0;
    std::int64_t speed_bps = 0;
    std::string ip_text; // "address / mask", at most 31 characters; empty without an address
};

// One look at the interfaces, for the length of one operation.
struct InterfaceSnapshot {
    int row_count = 0;
    std::array<SnapshotRow, kSnapshotRows> rows;
};

// Whether a row is the loopback interface, which is never offered as a card.
bool is_loopback(const SnapshotRow &row);

// The first four interfaces the system lists.
InterfaceSnapshot make_snapshot(const std::vector<platform::NetInterface> &interfaces);

// Position 1..row_count of the first row whose description equals card n's, 0 when none or
// when the card is not assigned.
int find_card(const InterfaceSnapshot &snapshot, const datastore::AdapterStatsRecord &adapters, int n);

// The monitor's four label texts for a card found at `row`.
struct CardLabels {
    QString ip;
    QString in;
    QString out;
    QString speed;
};
CardLabels card_labels(const SnapshotRow &row, const datastore::CardPrices &prices);

// Keeps a reading of card n from `row` as its next entry and returns that entry. A full store
// drops its oldest reading to make room. The exit save also adds the costs to the exit sums.
int keep_reading(datastore::AdapterStatsRecord &adapters, int n, const SnapshotRow &row, datastore::TDateTime now,
                 bool at_exit);

// Above this count a save first offers the calibration, which starts the store afresh.
inline constexpr int kCalibrationOfferAbove = 497;
// Above this count the user hears that the store is nearly full.
inline constexpr int kReadingsWarnAbove = 490;

// Assigns the non-loopback rows to cards 1 and 2 in order: description, no readings, saved at
// exit. Cards no row reaches keep what they had.
void assign_cards(datastore::AdapterStatsRecord &adapters, const InterfaceSnapshot &snapshot);

// The hours of an every-N-hours save parameter: a whole number the card timer can count.
std::optional<int> save_hours(QStringView text);
