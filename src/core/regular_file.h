#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace glimtags {

// Larger files are refused: nothing the editor reads comes near this.
inline constexpr std::size_t kMaxReadBytes = 16 * 1024 * 1024;

// A descriptor open for reading, only when the path names a regular file; -1 with the
// reason in errorNumber (when given) otherwise. A pipe with no writer cannot hold the
// open, so nothing here can block.
int openRegularFile(const std::string& path, int* errorNumber = nullptr);

// The bytes of a regular file as they are on disk. A pipe, device or folder in the
// file's place is refused without waiting for it, so no input can block the window.
// Nothing, with the reason in errorNumber (an errno value) when given, for such a
// path, a file that cannot be read, or one larger than maxBytes.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes = kMaxReadBytes,
                                           int* errorNumber = nullptr);

// The same file read as text: a carriage return before a line feed is dropped.
std::optional<std::string> readTextFile(const std::string& path);

} // namespace glimtags
