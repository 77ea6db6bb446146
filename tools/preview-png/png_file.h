#pragma once

#include <string>
#include <vector>

namespace glimtags::tools {

// Writes 8-bit RGB rows given bottom row first, as OpenGL reads them back. Empty on
// success, else the reason.
std::string writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgbBottomUp);

} // namespace glimtags::tools
