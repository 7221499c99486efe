#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Where the Linux services read the system: "/" normally, or the folder VELMORA_SYSROOT names
// (the demo and the screenshots run the program over a made-up machine).
std::filesystem::path default_sysroot();

// The text of a small system file, without its trailing newline; nothing when it cannot be read.
std::optional<std::string> read_text(const std::filesystem::path &file);

} // namespace platform
