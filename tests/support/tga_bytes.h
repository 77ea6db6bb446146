#pragma once

#include <string>
#include <vector>

namespace glimtags::test {

struct TgaHeader {
    int identificationLength = 0, colourMapType = 0, imageType = 2;
    int width = 1, height = 1, depth = 32;
};

// The header, an identification field of filler, then the pixel bytes as stored (blue first).
inline std::string tga(const TgaHeader& h, const std::vector<unsigned char>& pixels = {})
{
    std::string bytes(18, '\0');
    bytes[0] = static_cast<char>(h.identificationLength);
    bytes[1] = static_cast<char>(h.colourMapType);
    bytes[2] = static_cast<char>(h.imageType);
    bytes[12] = static_cast<char>(h.width & 0xff);
    bytes[13] = static_cast<char>(h.width >> 8);
    bytes[14] = static_cast<char>(h.height & 0xff);
    bytes[15] = static_cast<char>(h.height >> 8);
    bytes[16] = static_cast<char>(h.depth);
    bytes.append(static_cast<std::size_t>(h.identificationLength), '\xee');
    return bytes.append(pixels.begin(), pixels.end());
}

} // namespace glimtags::test
