#pragma once

#include <bit>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace datastore {

static_assert(std::endian::native == std::endian::little,
              "the data files are little-endian and are read as the records' bytes");

// Indices that come from the files are made sound by the field readers before they index;
// an index that is still out of range here is a fault in our own code, so stop at once
// rather than touch memory outside a record.
[[noreturn]] inline void index_fault(const char *what, long index)
{
    std::fprintf(stderr, "internal error: %s index %ld out of range\n", what, index);
    std::abort();
}

// Element `index` (counting from 1) of a C array, as the files' layouts number them; for a
// const array T is deduced const.
template <class T, std::size_t N>
constexpr T &at1(T (&array)[N], int index, const char *what)
{
    if (index < 1 || static_cast<std::size_t>(index) > N)
        index_fault(what, index);
    return array[index - 1];
}

constexpr int kSlots = 9;
constexpr int kTariffRows = 8;
constexpr int kHolidays = 9;
constexpr int kCallEntries = 500;
constexpr int kCards = 2;
constexpr int kReadings = 500;

} // namespace datastore

#include <concepts>
#include <type_traits>

namespace datastore {

// Lets one accessor serve both a record and a const record.
template <class R, class Record>
concept RecordRef = std::same_as<std::remove_const_t<R>, Record>;

} // namespace datastore
