#pragma once

#include <string>
#include <vector>

#include "datastore/data_files.h"

// Ties the provider slots to the phonebook entries afresh: entry k (in list order) gets slot k,
// a balance of 20, an empty log position and a whole-day first tariff row at 1 per hour. Only the
// first nine entries fit; the rest are left out. `names` are Windows-1251 bytes.
void calibrate_providers(datastore::ProviderRecord &providers, datastore::TariffRecord &tariff,
                         datastore::SettingsRecord &settings, const std::vector<std::string> &names);
