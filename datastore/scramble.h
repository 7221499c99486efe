#pragma once

#include <string>
#include <string_view>

namespace datastore {

enum class ScrambleDirection { Forward, Backward };

// The byte-wise scrambling that keeps passwords and the machine identity out of plain sight in
// the data files (not encryption). Byte i (from 0) is shifted by key byte (i + 1) mod key length,
// wrapping within 0..255; backward undoes forward. An empty key gives an empty text.
std::string scramble(std::string_view data, std::string_view key, ScrambleDirection direction);

} // namespace datastore
