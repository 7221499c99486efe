#include "sysroot.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {

std::filesystem::path default_sysroot()
{
    const char *root = std::getenv("VELMORA_SYSROOT");
    return root != nullptr && *root != '\0' ? std::filesystem::path(root) : std::filesystem::path("/");
}

std::optional<std::string> read_text(const std::filesystem::path &file)
{
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

} // namespace platform
