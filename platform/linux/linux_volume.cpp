#include "linux_volume.h"

#include <cctype>
#include <sstream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "sysroot.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string uuid_from_udev(const fs::path &root, unsigned maj, unsigned min)
{
    const auto data = read_text(root / "run/udev/data" / ("b" + std::to_string(maj) + ":" + std::to_string(min)));
    std::istringstream lines(data.value_or(""));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("E:ID_FS_UUID=", 0) == 0)
            return line.substr(13);
    }
    return {};
}

std::string uuid_from_links(const fs::path &root, const std::string &devname)
{
    std::error_code ec;
    for (const auto &link : fs::directory_iterator(root / "dev/disk/by-uuid", ec)) {
        const fs::path target = fs::read_symlink(link.path(), ec);
        if (!ec && target.filename() == devname)
            return link.path().filename().string();
    }
    return {};
}

} // namespace

QString volume_serial_text(const std::string &uuid)
{
    std::string hex;
    for (const char c : uuid) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            hex.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    if (hex.size() < 8)
        return QStringLiteral("C:\\");
    return QString::fromStdString(hex.substr(0, 4) + "-" + hex.substr(4, 4));
}

LinuxVolume::LinuxVolume(fs::path root) : root_(std::move(root)) {}

QString LinuxVolume::identity(const fs::path &folder)
{
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) != 0)
        return QStringLiteral("C:\\");
    const unsigned maj = major(st.st_dev);
    const unsigned min = minor(st.st_dev);
    std::string uuid = uuid_from_udev(root_, maj, min);
    if (uuid.empty()) {
        const auto uevent = read_text(root_ / "sys/dev/block" / (std::to_string(maj) + ":" + std::to_string(min)) / "uevent");
        std::istringstream lines(uevent.value_or(""));
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("DEVNAME=", 0) == 0)
                uuid = uuid_from_links(root_, line.substr(8));
        }
    }
    return volume_serial_text(uuid);
}

} // namespace platform
