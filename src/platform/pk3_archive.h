#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace glimtags::platform {

// How many bytes of pk3 files one search may read, per archive and in all: reading is
// what costs time (the archive's directory, its entries, the look-up), so these bound
// how long any folder of archives, however many or hostile, can hold up the start.
struct Pk3ReadLimits {
    std::uint64_t perArchive = 64ull << 20;
    std::uint64_t perSearch = 512ull << 20;
};

struct Pk3Lookup {
    enum class Outcome {
        NotAZip,        // cannot be opened or read as a zip archive
        Absent,         // holds no entry for the path
        Found,          // bytes holds the entry
        TooLarge,       // the entry claims more than the bytes asked for
        Damaged,        // the entry cannot be read whole and checked
        UnknownMethod,  // the entry is compressed in a way the game cannot read
        ArchiveTooLong, // reading it would take more than the archive's limit
        SearchTooLong,  // reading it would take more than what is left of the search's
    };

    Outcome outcome = Outcome::NotAZip;
    std::string entryName;  // the entry's own spelling of the path, once found
    std::uint64_t size = 0; // the size its directory claims
    int method = 0;         // its compression method
    std::string bytes;
};

// Reads pk3 files with libzip, which checks the central directory's bounds, charging
// every byte read against one search's limits.
class Pk3Reader {
public:
    explicit Pk3Reader(const Pk3ReadLimits& limits = {});

    // The last entry of the archive for the path under the game's rule, read whole when
    // it holds at most maxBytes and passes its checksum. Only a regular file is opened.
    Pk3Lookup lookUp(const std::string& archivePath, std::string_view path, std::size_t maxBytes);

    const Pk3ReadLimits& limits() const { return limits_; }

private:
    Pk3ReadLimits limits_;
    std::uint64_t searchLeft_;
};

} // namespace glimtags::platform
