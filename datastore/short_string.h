#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include <QString>

#include "cp1251.h"

namespace datastore {

// A length byte followed by `Capacity` Windows-1251 bytes, exactly as the data files hold it.
// A length byte above the capacity (a damaged or foreign file) reads as the capacity.
template <std::size_t Capacity>
struct ShortString {
    static_assert(Capacity >= 1 && Capacity <= 255);
    static constexpr std::size_t kCapacity = Capacity;

    std::uint8_t length;
    char chars[Capacity];

    std::size_t size() const { return std::min<std::size_t>(length, Capacity); }
    bool empty() const { return size() == 0; }
    std::string_view bytes() const { return {chars, size()}; }
    QString text() const { return from_cp1251(bytes()); }

    // Cuts to the capacity; the unused tail is zeroed so files do not carry stale text.
    void assign_bytes(std::string_view value)
    {
        const std::size_t n = std::min(value.size(), Capacity);
        if (n > 0) // an empty view may carry no pointer at all
            std::memcpy(chars, value.data(), n);
        std::memset(chars + n, 0, Capacity - n);
        length = static_cast<std::uint8_t>(n);
    }
    void assign(const QString &value) { assign_bytes(to_cp1251(value)); }
    void clear() { assign_bytes({}); }
};

template <std::size_t A, std::size_t B>
bool operator==(const ShortString<A> &a, const ShortString<B> &b)
{
    return a.bytes() == b.bytes();
}

} // namespace datastore
