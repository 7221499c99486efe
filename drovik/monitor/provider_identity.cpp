#include "provider_identity.h"

#include <cstring>

#include <QStringList>

QString network_key(const QString &address)
{
    // A part counts only when a full stop ends it: "a.b.c" gives "a.b.", a bare name "..".
    const QStringList parts = address.split(u'.');
    auto part = [&](int i) { return i + 1 < parts.size() ? parts[i] : QString(); };
    return part(0) + u'.' + part(1) + u'.' + part(2);
}

bool Check_IP(const QString &a, const QString &b)
{
    return network_key(a) == network_key(b);
}

std::string stored_name(const QString &entry)
{
    return datastore::to_cp1251(entry).substr(0, 50);
}

int slot_of_name(const datastore::ProviderRecord &providers, const QString &entry)
{
    const std::string name = stored_name(entry);
    int slot = 0;
    for (int p = 1; p <= datastore::kSlots; ++p) {
        if (datastore::provider_texts(providers, p).name.bytes() == name)
            slot = p;
    }
    return slot;
}

std::array<std::uint8_t, 459> names_table(const std::vector<QString> &entries)
{
    std::array<std::uint8_t, 459> table{};
    for (int i = 0; i < slot_count(entries.size()); ++i) {
        const std::string name = stored_name(entries[static_cast<std::size_t>(i)]);
        table[static_cast<std::size_t>(51 * i)] = static_cast<std::uint8_t>(name.size());
        std::memcpy(table.data() + 51 * i + 1, name.data(), name.size());
    }
    return table;
}
