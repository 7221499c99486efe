#pragma once

#include <filesystem>

#include "platform/volume.h"

namespace platform {

// The file system's UUID as udev knows it (its database, or /dev/disk/by-uuid).
class LinuxVolume : public Volume {
public:
    explicit LinuxVolume(std::filesystem::path root);
    QString identity(const std::filesystem::path &folder) override;

private:
    std::filesystem::path root_;
};

// "1a2b3c4d-..." as "1A2B-3C4D"; "C:\" when the text holds fewer than eight hex digits.
QString volume_serial_text(const std::string &uuid);

} // namespace platform
