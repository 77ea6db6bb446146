#pragma once

#include "core/outcome.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace glimtags::platform {

// The outcome of a write: success, or the errno value and the system's text for the failure.
using FileWriteResult = Outcome;

// The writes go in chunks of at most this many bytes, so that a large file can fail part-way.
inline constexpr std::size_t kWriteChunkBytes = 64 * 1024;

// One low-level write, as ::write: the count of bytes written, or -1 with errno set.
using WriteCall = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Writes files the way every file of the editor is written.
class FileWriter {
public:
    // Through ::write.
    FileWriter();
    // Through the given write, which a test makes fail.
    explicit FileWriter(WriteCall write);

    // Replaces the file's content in one step: the bytes go to a temporary file in the
    // same folder, which is flushed to disk, given the permissions of the file it
    // replaces (0666 less the umask for a new file) and renamed over it. A symbolic link
    // stays a link: its target is written, also one that does not exist yet. On any failure
    // the target is left exactly as it was and no temporary file remains.
    FileWriteResult replace(const std::string& path, std::string_view bytes) const;

private:
    bool writeAll(int fd, std::string_view bytes) const;

    WriteCall write_;
};

} // namespace glimtags::platform
