#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace platform {

// The few integer switches the program reads and writes by key and value name.
class Registry {
public:
    virtual ~Registry() = default;
    virtual std::optional<std::uint32_t> read(const QString &key, const QString &value) = 0;
    // Creates the key when it is missing; false when the value could not be written.
    virtual bool write(const QString &key, const QString &value, std::uint32_t data) = 0;
};

} // namespace platform
