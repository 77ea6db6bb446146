#include "render/tga_image.h"

#include "offscreen_gl.h"
#include "support/temp_dir.h"
#include "support/tga_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using glimtags::TgaError;
using glimtags::TgaImage;
using Bytes = std::vector<unsigned char>;
using glimtags::test::tga;

namespace {

// An image that holds a picture, so that a failure shows it keeps none.
TgaImage loaded()
{
    TgaImage image;
    EXPECT_TRUE(image.decode(tga({}, {1, 2, 3, 4})));
    return image;
}

GLint textureValue(GLenum parameter)
{
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    return value;
}

Bytes textureRgba(int texels)
{
    Bytes rgba(static_cast<std::size_t>(texels) * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

} // namespace

// Each depth kept in OpenGL order, and widened to RGBA when uploaded with that override.
TEST(TgaImage, ConvertsEachDepthToOpenGlOrder)
{
    struct Case {
        glimtags::test::TgaHeader header;
        Bytes stored;
        GLenum format;
        Bytes kept;
        Bytes widened;
    };
    const std::vector<Case> cases = {
        {{.width = 2, .depth = 32}, {10, 20, 30, 40, 1, 2, 3, 4}, GL_RGBA, {30, 20, 10, 40, 3, 2, 1, 4},
            {30, 20, 10, 40, 3, 2, 1, 4}},
        {{.width = 2, .depth = 24}, {10, 20, 30, 1, 2, 3}, GL_RGB, {30, 20, 10, 3, 2, 1}, {30, 20, 10, 255, 3, 2, 1, 255}},
        {{.imageType = 3, .width = 2, .depth = 8}, {0, 128}, GL_ALPHA, {0, 128}, {255, 255, 255, 0, 255, 255, 255, 128}},
        // The identification field is skipped; the bytes after the pixels are ignored.
        {{.identificationLength = 5, .imageType = 3, .depth = 24}, {10, 20, 30, 9, 9}, GL_RGB, {30, 20, 10},
            {30, 20, 10, 255}},
    };
    const glimtags::tools::OffscreenGl gl(4, 4);
    for (const Case& c : cases) {
        TgaImage image;
        ASSERT_TRUE(image.decode(tga(c.header, c.stored))) << c.header.depth;
        EXPECT_EQ(image.pixelFormat, c.format);
        EXPECT_EQ(image.pixels, c.kept) << c.header.depth;
        GLuint texture = 0;
        glGenTextures(1, &texture);
        image.upload(texture, GL_RGBA);
        EXPECT_EQ(textureValue(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA) << c.header.depth;
        EXPECT_EQ(textureRgba(c.header.width), c.widened) << c.header.depth;
    }
}

TEST(TgaImage, RefusesWhatItCannotShowAndKeepsNoPixels)
{
    struct Case {
        std::string file;
        TgaError error;
    };
    const Bytes fourPixels(16, 7);
    const std::vector<Case> cases = {
        {tga({}).substr(0, 17), TgaError::UnsupportedHeader},
        {tga({.imageType = 10}, fourPixels), TgaError::UnsupportedHeader},
        // Sides are powers of two up to 512; sides near 65535 must not overflow their product.
        {tga({.width = 0}), TgaError::BadSize},
        {tga({.width = 300}), TgaError::BadSize},
        {tga({.width = 1024}), TgaError::BadSize},
        {tga({.width = 65535, .height = 65535}), TgaError::BadSize},
        {tga({.depth = 16}, fourPixels), TgaError::BadDepth},
        {tga({.width = 4, .height = 4}, Bytes(63, 7)), TgaError::ReadFailed},
        {tga({.identificationLength = 200}).substr(0, 30), TgaError::ReadFailed},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TgaImage image = loaded();
        const glimtags::Outcome decoded = image.decode(cases[i].file);
        EXPECT_FALSE(decoded) << "case " << i;
        EXPECT_EQ(decoded.code, static_cast<int>(cases[i].error)) << "case " << i;
        EXPECT_TRUE(image.pixels.empty()) << "case " << i;
    }
    TgaImage largest;
    EXPECT_TRUE(largest.decode(tga({.width = 512, .height = 512, .depth = 8}, Bytes(512 * 512, 7))));
}

TEST(TgaImage, LoadsOnlyRegularFiles)
{
    const glimtags::test::TempDir dir;
    TgaImage image;
    ASSERT_TRUE(image.load(dir.write("p.tga", tga({}, {1, 2, 3, 4}))));
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 4}));

    // Which files are refused is the regular-file reader's rule.
    image = loaded();
    const glimtags::Outcome refused = image.load(dir.path().string());
    EXPECT_FALSE(refused || refused.code != static_cast<int>(TgaError::OpenFailed) || !image.pixels.empty());
}

TEST(TgaTexture, UploadKeepsTheFormatAndTintsTheGlyphs)
{
    const glimtags::tools::OffscreenGl gl(4, 4);
    std::array<GLuint, 2> textures{};
    glGenTextures(2, textures.data());
    // Rows of two 3-byte texels are not 4-byte aligned.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TgaImage image;
    ASSERT_TRUE(image.decode(tga({.width = 2, .height = 2, .depth = 24}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})));
    image.upload(textures[0]);

    glBindTexture(GL_TEXTURE_2D, textures[0]);
    EXPECT_EQ(textureValue(GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
    EXPECT_EQ(textureRgba(4), (Bytes{3, 2, 1, 255, 6, 5, 4, 255, 9, 8, 7, 255, 12, 11, 10, 255}));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE) << "the font's colour tints its glyphs";

    // A failed decode leaves sides and format behind, but no pixels to upload.
    image = loaded();
    EXPECT_FALSE(image.decode(tga({.width = 4, .height = 4}, Bytes(63, 7))));
    image.upload(textures[1]);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    EXPECT_EQ(textureValue(GL_TEXTURE_WIDTH), 0);
}
