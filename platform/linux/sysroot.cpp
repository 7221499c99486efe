#include "sysroot.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

std::filesystem::path default_sysroot()
{
    const char *root = std::getenv("VELMORA_SYSROOT");
    return root != nullptr && *root != '\0' ? std::filesystem::path(root) : std::filesystem::path("/");
}

std::optional<std::string> read_text(const std::filesystem::path &file)
{
    // Plain system calls: the network monitor reads a handful of these every second.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string s;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            s.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(fd);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
        s.pop_back();
    return s;
}

} // namespace platform
