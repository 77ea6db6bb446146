#pragma once

#include <vector>

namespace glimtags {

// A picture as plain bytes: top row first, four a pixel (red, green, blue, alpha).
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

} // namespace glimtags
