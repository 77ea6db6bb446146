#pragma once

#include "platform/file_writer.h"

#include <cerrno>
#include <unistd.h>

namespace glimtags::test {

// A file writer whose n-th low-level write from its start (1 = the first) fails with an
// I/O error; the writes before it reach the disk.
inline platform::FileWriter writerFailingAt(int nthWrite)
{
    return platform::FileWriter([left = nthWrite](int fd, const void* data, std::size_t size) mutable -> ssize_t {
        if (--left == 0) {
            errno = EIO;
            return -1;
        }
        return ::write(fd, data, size);
    });
}

} // namespace glimtags::test
