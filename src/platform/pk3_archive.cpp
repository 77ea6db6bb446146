#include "platform/pk3_archive.h"

#include "core/pak_order.h"
#include "core/regular_file.h"

#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace glimtags::platform {
namespace {

using Outcome = Pk3Lookup::Outcome;

// A read costs at least a page, so that a directory that sends libzip to many small
// places (a local header per entry) is charged for the time that takes too.
constexpr std::uint64_t kLeastReadCost = 4096;

// The archive's file as libzip sees it. Every read is charged against the archive's
// and the search's allowance; one that would overdraw either fails, and libzip gives up.
class MeteredFile {
public:
    MeteredFile(int fd, std::uint64_t size, std::uint64_t archiveAllowance, std::uint64_t& searchLeft)
        : fd_(fd)
        , size_(size)
        , archiveLeft_(archiveAllowance)
        , searchLeft_(searchLeft)
    {
        zip_error_init(&error_);
    }
    ~MeteredFile()
    {
        zip_error_fini(&error_);
        ::close(fd_);
    }
    MeteredFile(const MeteredFile&) = delete;
    MeteredFile& operator=(const MeteredFile&) = delete;

    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        return static_cast<MeteredFile*>(state)->serve(data, length, command);
    }

    // The limit a failed read ran into, if any.
    std::optional<Outcome> limitReached() const { return limitReached_; }

private:
    zip_int64_t serve(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            offset_ = 0;
            return 0;
        case ZIP_SOURCE_READ:
            return read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_STAT: {
            if (length < sizeof(zip_stat_t))
                return fail(ZIP_ER_INTERNAL, 0);
            auto* status = static_cast<zip_stat_t*>(data);
            zip_stat_init(status);
            status->size = size_;
            status->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error_, data, length);
        case ZIP_SOURCE_SEEK: {
            const zip_int64_t to = zip_source_seek_compute_offset(offset_, size_, data, length, &error_);
            if (to < 0)
                return -1;
            offset_ = static_cast<std::uint64_t>(to);
            return 0;
        }
        case ZIP_SOURCE_TELL:
            return static_cast<zip_int64_t>(offset_);
        // An empty file is no archive to the game.
        case ZIP_SOURCE_ACCEPT_EMPTY:
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return ZIP_SOURCE_SUPPORTS_SEEKABLE | ZIP_SOURCE_MAKE_COMMAND_BITMASK(ZIP_SOURCE_ACCEPT_EMPTY);
        default:
            return fail(ZIP_ER_OPNOTSUPP, 0);
        }
    }

    zip_int64_t read(char* data, zip_uint64_t length)
    {
        const std::uint64_t wanted = std::min<std::uint64_t>(length, size_ - std::min(offset_, size_));
        const std::uint64_t cost = wanted == 0 ? 0 : std::max(wanted, kLeastReadCost);
        if (cost > searchLeft_ || cost > archiveLeft_) {
            limitReached_ = cost > searchLeft_ ? Outcome::SearchTooLong : Outcome::ArchiveTooLong;
            return fail(ZIP_ER_READ, EFBIG);
        }
        searchLeft_ -= cost;
        archiveLeft_ -= cost;
        std::uint64_t done = 0;
        while (done < wanted) {
            const ssize_t got = ::pread(fd_, data + done, wanted - done, static_cast<off_t>(offset_ + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return fail(ZIP_ER_READ, errno);
            if (got == 0)
                break;
            done += static_cast<std::uint64_t>(got);
        }
        offset_ += done;
        return static_cast<zip_int64_t>(done);
    }

    zip_int64_t fail(int zipError, int systemError)
    {
        zip_error_set(&error_, zipError, systemError);
        return -1;
    }

    int fd_;
    std::uint64_t size_;
    std::uint64_t offset_ = 0;
    std::uint64_t archiveLeft_;
    std::uint64_t& searchLeft_;
    std::optional<Outcome> limitReached_;
    zip_error_t error_;
};

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

Pk3Lookup failed(Pk3Lookup lookup, Outcome outcome, const MeteredFile& file)
{
    lookup.outcome = file.limitReached().value_or(outcome);
    return lookup;
}

// One byte more than claimed is asked for, so that libzip reaches the entry's end and
// checks its checksum there, and data longer than the directory says is caught too.
Pk3Lookup readEntry(zip_t* archive, zip_uint64_t index, std::size_t maxBytes, const MeteredFile& file,
                    Pk3Lookup lookup)
{
    zip_stat_t status;
    zip_stat_init(&status);
    if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &status) != 0 || !(status.valid & ZIP_STAT_SIZE)
        || !(status.valid & ZIP_STAT_COMP_METHOD))
        return failed(std::move(lookup), Outcome::Damaged, file);
    lookup.size = status.size;
    lookup.method = status.comp_method;
    // The game's own zip reader knows only these two.
    if (status.comp_method != ZIP_CM_STORE && status.comp_method != ZIP_CM_DEFLATE)
        return failed(std::move(lookup), Outcome::UnknownMethod, file);
    if (status.size > maxBytes)
        return failed(std::move(lookup), Outcome::TooLarge, file);
    const Entry entry(zip_fopen_index(archive, index, 0));
    if (!entry)
        return failed(std::move(lookup), Outcome::Damaged, file);
    std::string bytes(static_cast<std::size_t>(status.size) + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const zip_int64_t got = zip_fread(entry.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            return failed(std::move(lookup), Outcome::Damaged, file);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled != status.size)
        return failed(std::move(lookup), Outcome::Damaged, file);
    bytes.pop_back();
    lookup.bytes = std::move(bytes);
    lookup.outcome = Outcome::Found;
    return lookup;
}

} // namespace

Pk3Reader::Pk3Reader(const Pk3ReadLimits& limits)
    : limits_(limits)
    , searchLeft_(limits.perSearch)
{
}

Pk3Lookup Pk3Reader::lookUp(const std::string& archivePath, std::string_view path, std::size_t maxBytes)
{
    Pk3Lookup lookup;
    const int fd = openRegularFile(archivePath);
    if (fd < 0)
        return lookup;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        ::close(fd);
        return lookup;
    }
    MeteredFile file(fd, static_cast<std::uint64_t>(status.st_size), limits_.perArchive, searchLeft_);
    zip_source_t* source = zip_source_function_create(&MeteredFile::callback, &file, nullptr);
    if (!source)
        return lookup;
    const Archive archive(zip_open_from_source(source, ZIP_RDONLY, nullptr));
    if (!archive) {
        zip_source_free(source);
        return failed(std::move(lookup), Outcome::NotAZip, file);
    }
    // Of two entries for the path, the later one wins, as it does in the game.
    std::optional<zip_uint64_t> last;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(index), ZIP_FL_ENC_RAW);
        if (name && isPakEntryFor(name, path))
            last = static_cast<zip_uint64_t>(index);
    }
    if (!last) {
        lookup.outcome = Outcome::Absent;
        return lookup;
    }
    lookup.entryName = zip_get_name(archive.get(), *last, ZIP_FL_ENC_RAW);
    return readEntry(archive.get(), *last, maxBytes, file, std::move(lookup));
}

} // namespace glimtags::platform
