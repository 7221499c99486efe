#pragma once

#include <filesystem>

#include <QString>

namespace platform {

// The identity of the disk volume that holds a folder, to tell one machine from another.
class Volume {
public:
    virtual ~Volume() = default;
    // "XXXX-XXXX" (the file system's serial), or "C:\" when it cannot be found.
    virtual QString identity(const std::filesystem::path &folder) = 0;
};

} // namespace platform
