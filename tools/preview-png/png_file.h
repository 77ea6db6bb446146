#pragma once

#include <string>
#include <vector>

namespace glimtags::tools {

// Writes 8-bit RGB rows given bottom row first, as OpenGL reads them back. Empty on
// success, else the reason.
std::string writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgbBottomUp);

// A PNG read back in the layout writePng takes; on failure the rows are empty and error says why.
struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgbBottomUp;
    std::string error;
};

PngPicture readPng(const std::string& path);

} // namespace glimtags::tools
