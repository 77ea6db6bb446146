#pragma once

#include <filesystem>

namespace glimtags {

// What a path names; a path that cannot be examined names nothing.
bool pathExists(const std::filesystem::path& path);
bool isFolder(const std::filesystem::path& path);

} // namespace glimtags
