#include "scramble.h"

#include <cstdint>

namespace datastore {

std::string scramble(std::string_view data, std::string_view key, ScrambleDirection direction)
{
    if (key.empty())
        return {};
    std::string out(data.size(), '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto d = static_cast<std::uint8_t>(data[i]);
        const auto k = static_cast<std::uint8_t>(key[(i + 1) % key.size()]);
        out[i] = static_cast<char>(direction == ScrambleDirection::Forward ? d + k : d - k);
    }
    return out;
}

} // namespace datastore
