#include "platform/file_writer.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace glimtags::platform {
namespace {

FileWriteResult failure(int errorNumber)
{
    return Outcome::failure(errorNumber, std::generic_category().message(errorNumber));
}

// The file that is really replaced: the end of a chain of symbolic links, else the path.
// A link whose target does not exist yet is followed too, so that it stays a link.
std::optional<std::string> resolvedTarget(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path target = path;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(target, error))
            return target.string();
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return target.string();
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

// Beside the target, so that the rename stays on one file system; a short name of its
// own, so that a target name of the longest allowed length still leaves room for it.
std::string temporaryPattern(const std::string& target)
{
    return (std::filesystem::path(target).parent_path() / ".glimtags-XXXXXX").string();
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A replaced file keeps its owner where the system lets us hand it back; when it
// does not, the content is still worth more than the ownership.
void keepOwner(int fd, const struct stat& existing)
{
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        }
    }
}

// The folder is synced so that the rename itself survives a crash; a failure there
// does not undo a write that has already replaced the file.
void syncFolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileWriter::FileWriter()
    : write_(::write)
{
}

FileWriter::FileWriter(WriteCall write)
    : write_(std::move(write))
{
}

bool FileWriter::writeAll(int fd, std::string_view bytes) const
{
    while (!bytes.empty()) {
        const ssize_t written = write_(fd, bytes.data(), std::min(bytes.size(), kWriteChunkBytes));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

FileWriteResult FileWriter::replace(const std::string& path, std::string_view bytes) const
{
    const std::optional<std::string> resolved = resolvedTarget(path);
    if (!resolved)
        return failure(ELOOP);
    const std::string& target = *resolved;
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return failure(EISDIR);
    // A file the user could not write in place stays protected.
    if (replacing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return failure(errno);
    std::string temporary = temporaryPattern(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return failure(errno);
    if (replacing)
        keepOwner(fd, existing);
    const mode_t mode = replacing ? existing.st_mode & 07777 : newFileMode();
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    int errorNumber = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        errorNumber = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        errorNumber = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return failure(errorNumber);
    }
    syncFolderOf(target);
    return {};
}

} // namespace glimtags::platform
