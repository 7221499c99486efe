#include "provider_record.h"

#include <cmath>

namespace datastore {

int slot_of_entry(const ProviderRecord &rec, int i)
{
    const int slot = at1(rec.slot_map, i, "phonebook position");
    return slot <= kSlots ? slot : 0;
}

int next_call(const ProviderRecord &rec, int p)
{
    const double stored = provider_numbers(rec, p).next_call;
    if (std::isnan(stored) || stored <= 0)
        return 0;
    if (stored >= kLastNextCall)
        return kLastNextCall;
    return static_cast<int>(std::nearbyint(stored));
}

void set_next_call(ProviderRecord &rec, int p, int entry)
{
    provider_numbers(rec, p).next_call = static_cast<float>(entry);
}

int call_count(const ProviderRecord &rec, int p)
{
    const int next = next_call(rec, p);
    return next > 0 ? next - 1 : 0;
}

CallEntryChoice choose_call_entry(const ProviderRecord &rec, int p)
{
    int entry = next_call(rec, p);
    const bool warn = entry > 490;
    if (entry > 497 || entry == 0)
        entry = 1;
    return {entry, warn};
}

} // namespace datastore
