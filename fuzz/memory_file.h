#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace glimtags::fuzz {

// A file that lives in memory and that the readers open by path like any other:
// each input replaces its content, so no disk is touched while fuzzing.
class MemoryFile {
public:
    MemoryFile()
        : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void replace(const void* data, std::size_t size) const
    {
        if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

} // namespace glimtags::fuzz
