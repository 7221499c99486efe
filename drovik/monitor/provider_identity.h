#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "datastore/data_files.h"

// The first three parts of a dotted address ("a.b.c" of "a.b.c.d"), each only when a full stop
// follows it; a text without full stops gives "..". Two servers of one network share it.
QString network_key(const QString &address);
bool Check_IP(const QString &a, const QString &b);

// A phonebook entry name as the slots store it: Windows-1251, cut to 50 characters. Comparing in
// this form identifies also entries whose names are longer or hold other characters.
std::string stored_name(const QString &entry);

// The slot whose name is the entry's (the highest when several are); 0 when none.
int slot_of_name(const datastore::ProviderRecord &providers, const QString &entry);

// The names table handed to the slot rebuild: the first nine entries, 51 bytes each.
std::array<std::uint8_t, 459> names_table(const std::vector<QString> &entries);

// How many entries the slots can hold: the count compared with `provider_count`.
inline int slot_count(std::size_t entries)
{
    return entries > static_cast<std::size_t>(datastore::kSlots) ? datastore::kSlots : static_cast<int>(entries);
}
