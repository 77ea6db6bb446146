#include "core/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glimtags {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::optional<std::string> failure(int error, int* errorNumber)
{
    if (errorNumber)
        *errorNumber = error;
    return std::nullopt;
}

int refuse(int fd, int error, int* errorNumber)
{
    if (fd >= 0)
        ::close(fd);
    if (errorNumber)
        *errorNumber = error;
    return -1;
}

} // namespace

int openRegularFile(const std::string& path, int* errorNumber)
{
    // Opened without waiting, then refused unless it turns out to be a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return refuse(fd, errno, errorNumber);
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return refuse(fd, errno, errorNumber);
    if (!S_ISREG(status.st_mode))
        return refuse(fd, S_ISDIR(status.st_mode) ? EISDIR : EINVAL, errorNumber);
    return fd;
}

std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes, int* errorNumber)
{
    const FileDescriptor file(openRegularFile(path, errorNumber));
    if (file.get() < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return failure(errno, errorNumber);
    if (static_cast<unsigned long long>(status.st_size) > maxBytes)
        return failure(EFBIG, errorNumber);

    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return bytes;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return failure(errno, errorNumber);
        }
        // A file that grows while it is read still keeps to the bound.
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes)
            return failure(EFBIG, errorNumber);
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::optional<std::string> readTextFile(const std::string& path)
{
    std::optional<std::string> raw = readRegularFile(path);
    if (!raw)
        return std::nullopt;
    std::string text;
    text.reserve(raw->size());
    for (std::size_t i = 0; i < raw->size(); ++i)
        if (!((*raw)[i] == '\r' && i + 1 < raw->size() && (*raw)[i + 1] == '\n'))
            text.push_back((*raw)[i]);
    return text;
}

} // namespace glimtags
