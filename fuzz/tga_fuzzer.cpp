// The Targa decoder on any bytes, then the two ways the preview turns a picture into a
// texture: the font's, widened to RGBA, and the background's, in its own format. Both
// textures are read back, so what reaches OpenGL is checked, not just what was kept.
#include "fuzz_check.h"
#include "offscreen_gl.h"

#include "render/tga_image.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Kept for the whole run: OSMesa holds on to what a current context needs until exit.
const glimtags::tools::OffscreenGl* context = nullptr;
GLuint texture = 0;

bool isAllowedSide(int side)
{
    return side >= 1 && side <= 512 && (side & (side - 1)) == 0;
}

std::size_t channelsOf(GLenum format)
{
    return format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_ALPHA ? 1 : 0;
}

std::vector<unsigned char> readTexture(const glimtags::TgaImage& image, GLenum format)
{
    std::vector<unsigned char> texels(static_cast<std::size_t>(image.pixelCount) * channelsOf(format));
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// The RGBA texel the font gets from a decoded pixel of any depth.
void checkWidened(const glimtags::TgaImage& decoded, const std::vector<unsigned char>& widened)
{
    const std::size_t depth = channelsOf(decoded.pixelFormat);
    for (std::size_t i = 0; i < static_cast<std::size_t>(decoded.pixelCount); ++i) {
        const unsigned char* from = &decoded.pixels[i * depth];
        const unsigned char* to = &widened[i * 4];
        if (depth == 1) {
            FUZZ_CHECK(to[0] == 255 && to[1] == 255 && to[2] == 255 && to[3] == from[0]);
        } else {
            FUZZ_CHECK(to[0] == from[0] && to[1] == from[1] && to[2] == from[2]);
            FUZZ_CHECK(to[3] == (depth == 4 ? from[3] : 255));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    context = new glimtags::tools::OffscreenGl(4, 4);
    glGenTextures(1, &texture);
    // Rows of one- and three-byte texels come back unpadded.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    glimtags::TgaImage decoded;
    if (const glimtags::Outcome outcome = decoded.decode(std::string_view(reinterpret_cast<const char*>(data), size));
        !outcome) {
        FUZZ_CHECK(decoded.pixels.empty());
        FUZZ_CHECK(outcome.code >= static_cast<int>(glimtags::TgaError::UnsupportedHeader) &&
                   outcome.code <= static_cast<int>(glimtags::TgaError::ReadFailed));
        return 0;
    }
    FUZZ_CHECK(isAllowedSide(decoded.width) && isAllowedSide(decoded.height));
    FUZZ_CHECK(decoded.pixelCount == decoded.width * decoded.height);
    FUZZ_CHECK(channelsOf(decoded.pixelFormat) == static_cast<std::size_t>(decoded.bitsPerPixel / 8));
    FUZZ_CHECK(decoded.pixels.size() == static_cast<std::size_t>(decoded.pixelCount) * channelsOf(decoded.pixelFormat));
    FUZZ_CHECK(decoded.pixels.size() <= size);

    decoded.upload(texture, GL_RGBA);
    checkWidened(decoded, readTexture(decoded, GL_RGBA));

    decoded.upload(texture);
    FUZZ_CHECK(readTexture(decoded, decoded.pixelFormat) == decoded.pixels);
    FUZZ_CHECK(glGetError() == GL_NO_ERROR);
    return 0;
}
