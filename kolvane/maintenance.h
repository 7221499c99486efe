#pragma once

#include <array>
#include <string>

#include "datastore/data_files.h"

namespace kolvane {

// The new phonebook list: `count` names (1..9) in Windows-1251, entry i in names[i - 1].
struct PhonebookList {
    int count = 0;
    std::array<std::string, datastore::kSlots> names;
};

// Reads the 459-byte block of nine 51-byte name slots the host passes.
PhonebookList phonebook_list(std::uint8_t count, const std::uint8_t *names);

// Moves each known provider's data to the slot of its entry's new position, gives the new entries
// the slots left over, fills defaults and stores names and count. Every move takes its data from
// the records as they were before the first move, so no move reads a slot another has changed.
void change_record(datastore::DataSet &data, const PhonebookList &list);

} // namespace kolvane
