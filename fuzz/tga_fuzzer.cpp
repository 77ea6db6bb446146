// The Targa reader on any bytes, then the two ways the preview turns a picture into a
// texture: the font's, widened to RGBA, and the background's, in its own format.
#include "fuzz_check.h"
#include "memory_file.h"
#include "offscreen_gl.h"

#include "render/tga_image.h"

#include <cstddef>
#include <cstdint>

namespace {

const glimtags::fuzz::MemoryFile* input = nullptr;
// Kept for the whole run: OSMesa holds on to what a current context needs until exit.
const glimtags::tools::OffscreenGl* context = nullptr;
GLuint texture = 0;

bool isAllowedSide(int side)
{
    return side >= 1 && side <= 512 && (side & (side - 1)) == 0;
}

// The RGBA texel the font gets from a loaded pixel of any depth.
void checkWidened(const glimtags::TgaImage& loaded, const glimtags::TgaImage& widened)
{
    const std::size_t depth = static_cast<std::size_t>(loaded.bitsPerPixel / 8);
    for (std::size_t i = 0; i < static_cast<std::size_t>(loaded.pixelCount); ++i) {
        const unsigned char* from = &loaded.pixels[i * depth];
        const unsigned char* to = &widened.pixels[i * 4];
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
    input = new glimtags::fuzz::MemoryFile;
    context = new glimtags::tools::OffscreenGl(4, 4);
    glGenTextures(1, &texture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    input->replace(data, size);
    const std::string path = input->path();

    glimtags::TgaImage loaded;
    if (!loaded.load(path)) {
        FUZZ_CHECK(loaded.pixels.empty());
        FUZZ_CHECK(loaded.errorCode >= glimtags::TgaError::UnsupportedHeader &&
                   loaded.errorCode <= glimtags::TgaError::ReadFailed);
        return 0;
    }
    FUZZ_CHECK(loaded.errorCode == glimtags::TgaError::None);
    FUZZ_CHECK(isAllowedSide(loaded.width) && isAllowedSide(loaded.height));
    FUZZ_CHECK(loaded.pixelCount == loaded.width * loaded.height);
    FUZZ_CHECK(loaded.pixels.size() ==
               static_cast<std::size_t>(loaded.pixelCount) * static_cast<std::size_t>(loaded.bitsPerPixel / 8));
    FUZZ_CHECK(loaded.pixels.size() <= size);

    glimtags::TgaImage font;
    FUZZ_CHECK(font.loadTexture(path, texture, true, GL_RGBA) == 1);
    FUZZ_CHECK(font.pixelFormat == GL_RGBA);
    FUZZ_CHECK(font.pixels.size() == static_cast<std::size_t>(font.pixelCount) * 4);
    checkWidened(loaded, font);
    font.upload();

    glimtags::TgaImage background;
    FUZZ_CHECK(background.loadTexture(path, texture, false, 0) == 1);
    FUZZ_CHECK(background.pixels.empty());
    FUZZ_CHECK(glGetError() == GL_NO_ERROR);
    return 0;
}
