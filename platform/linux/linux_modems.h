#pragma once

#include <filesystem>

#include "platform/modems.h"

namespace platform {

// The lines a dial-up connection can use: serial ports with a real UART, USB serial modems, and a
// PPP-over-Ethernet line for each Ethernet card.
class LinuxModems : public Modems {
public:
    explicit LinuxModems(std::filesystem::path root);
    std::vector<ModemDevice> list() override;

private:
    std::filesystem::path root_;
};

} // namespace platform
