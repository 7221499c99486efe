#include "record_file.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace datastore {
namespace {

FileError error_of(const std::filesystem::path &file, int err)
{
    return {file.string(), std::system_category().message(err)};
}

// Reads up to `size` bytes; stops early only at the end of the file or on an error.
std::size_t read_fully(int fd, char *out, std::size_t size, int &err)
{
    std::size_t done = 0;
    err = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, out + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            err = errno;
            break;
        }
    }
    return done;
}

bool write_fully(int fd, const char *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            return false;
    }
    return true;
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

ReadOutcome read_lenient(const std::filesystem::path &file, void *record, std::size_t size)
{
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int err = errno;
        if (err == ENOENT)
            return {ReadStatus::Missing, 0, std::nullopt};
        return {ReadStatus::Failed, 0, error_of(file, err)};
    }
    int err = 0;
    const std::size_t got = read_fully(fd.get(), static_cast<char *>(record), size, err);
    if (err != 0)
        return {ReadStatus::Failed, got, error_of(file, err)};
    return {got == size ? ReadStatus::Read : ReadStatus::Short, got, std::nullopt};
}

std::optional<FileError> read_strict(const std::filesystem::path &file, void *record, std::size_t size)
{
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return error_of(file, errno);
    int err = 0;
    const std::size_t got = read_fully(fd.get(), static_cast<char *>(record), size, err);
    if (err != 0)
        return error_of(file, err);
    if (got < size) {
        return FileError{file.string(), "the file ends after " + std::to_string(got) + " of " +
                                            std::to_string(size) + " bytes"};
    }
    return std::nullopt;
}

std::optional<FileError> write_durable(const std::filesystem::path &file, const void *record, std::size_t size)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string temp = (folder / ("." + file.filename().string() + ".XXXXXX")).string();

    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        mode = old.st_mode & 07777;

    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return error_of(file, errno);

    int err = 0;
    if (::fchmod(fd.get(), mode) != 0 || !write_fully(fd.get(), static_cast<const char *>(record), size) ||
        ::fsync(fd.get()) != 0)
        err = errno;
    if (::close(fd.release()) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), file.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return error_of(file, err);
    }
    return std::nullopt;
}

} // namespace datastore
