#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glimtags::platform {

// The outcome of a write: success, or the system's text for the failure.
struct FileWriteResult {
    bool succeeded = true;
    std::string error;

    explicit operator bool() const { return succeeded; }
};

// Replaces the file's content in one step: the bytes go to a temporary file in the
// same folder, which is flushed to disk, given the permissions of the file it
// replaces (0666 less the umask for a new file) and renamed over it. A symbolic link
// keeps pointing at the file it names. On any failure the target is left exactly as
// it was and no temporary file remains.
FileWriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

// Copies a file's bytes over another, replacing it in the same safe way.
FileWriteResult copyFile(const std::string& from, const std::string& to);

// The file's bytes as they are on disk (no line-end translation); nothing for a
// missing file, a folder or a file that cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Test seam: makes the n-th low-level write from now on fail with an I/O error
// (1 = the next one); 0 turns the fault off. Writes go in chunks of
// kWriteChunkBytes, so a large file lets a test fail part-way.
inline constexpr std::size_t kWriteChunkBytes = 64 * 1024;
void setWriteFaultForTesting(int nthWrite);

} // namespace glimtags::platform
