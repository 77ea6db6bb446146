#pragma once

#include "core/outcome.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glimtags::platform {

// The outcome of a write: success, or the errno value and the system's text for the failure.
using FileWriteResult = Outcome;

// Replaces the file's content in one step: the bytes go to a temporary file in the
// same folder, which is flushed to disk, given the permissions of the file it
// replaces (0666 less the umask for a new file) and renamed over it. A symbolic link
// stays a link: its target is written, also one that does not exist yet. On any failure the target is left exactly as
// it was and no temporary file remains.
FileWriteResult writeFileAtomically(const std::string& path, std::string_view bytes);

// Test seam: makes the n-th low-level write from now on fail with an I/O error
// (1 = the next one); 0 turns the fault off. Writes go in chunks of
// kWriteChunkBytes, so a large file lets a test fail part-way.
inline constexpr std::size_t kWriteChunkBytes = 64 * 1024;
void setWriteFaultForTesting(int nthWrite);

} // namespace glimtags::platform
