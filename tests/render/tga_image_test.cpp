#include "render/tga_image.h"

#include "gl_fixture.h"
#include "tga_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

using glimtags::TgaError;
using glimtags::TgaImage;
using glimtags::test::OffscreenGl;
using glimtags::test::TempDir;
using glimtags::test::TgaHeader;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes filled(std::size_t count, unsigned char value = 7)
{
    return Bytes(count, value);
}

// Loads into a fresh image and expects the failure code with nothing kept.
void expectFailure(const std::string& path, TgaError expected, const std::string& what)
{
    TgaImage image;
    image.clear();
    EXPECT_EQ(image.load(path), 0) << what;
    EXPECT_EQ(image.errorCode, expected) << what;
    EXPECT_TRUE(image.pixels.empty()) << what;
}

} // namespace

TEST(TgaImage, ConvertsEachDepthToOpenGlOrder)
{
    struct Case {
        int imageType;
        int depth;
        Bytes stored;
        GLenum format;
        Bytes kept;
    };
    const std::vector<Case> cases = {
        {2, 32, {10, 20, 30, 40, 1, 2, 3, 4}, GL_RGBA, {30, 20, 10, 40, 3, 2, 1, 4}},
        {2, 24, {10, 20, 30, 1, 2, 3}, GL_RGB, {30, 20, 10, 3, 2, 1}},
        {3, 8, {10, 200}, GL_ALPHA, {10, 200}},
        // Type and depth are checked apart from each other.
        {2, 8, {10, 200}, GL_ALPHA, {10, 200}},
        {3, 32, {10, 20, 30, 40, 1, 2, 3, 4}, GL_RGBA, {30, 20, 10, 40, 3, 2, 1, 4}},
        {3, 24, {10, 20, 30, 1, 2, 3}, GL_RGB, {30, 20, 10, 3, 2, 1}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const TgaHeader header{0, 0, c.imageType, 2, 1, c.depth};
        TgaImage image;
        ASSERT_EQ(image.load(glimtags::test::writeTga(dir, "picture.tga", header, c.stored)), 1)
            << "type " << c.imageType << " depth " << c.depth;
        EXPECT_EQ(image.errorCode, TgaError::None);
        EXPECT_EQ(image.bitsPerPixel, c.depth);
        EXPECT_EQ(image.width, 2);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(image.pixelCount, 2);
        EXPECT_EQ(image.pixelFormat, c.format) << "depth " << c.depth;
        EXPECT_EQ(image.pixels, c.kept) << "type " << c.imageType << " depth " << c.depth;
    }
}

TEST(TgaImage, Loads24BitPictureOf256By128)
{
    TempDir dir;
    TgaImage image;
    ASSERT_EQ(image.load(glimtags::test::writeTga(dir, "wide.tga", {0, 0, 2, 256, 128, 24}, filled(98304))), 1);
    EXPECT_EQ(image.pixelFormat, static_cast<GLenum>(GL_RGB));
    EXPECT_EQ(image.pixelCount, 32768);
    EXPECT_EQ(image.pixels.size(), 98304u);
}

TEST(TgaImage, SidesMustBePowersOfTwoUpTo512)
{
    struct Case {
        int width;
        int height;
        bool loads;
    };
    const std::vector<Case> cases = {
        {640, 1, false}, {300, 1, false}, {0, 1, false}, {1024, 1, false}, {3, 1, false},
        {1, 640, false}, {1, 300, false}, {1, 0, false}, {65535, 1, false},
        {512, 1, true}, {1, 512, true}, {1, 1, true}, {2, 256, true}, {512, 512, true},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::size_t pixels = static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height);
        const std::string path = glimtags::test::writeTga(dir, "side.tga", {0, 0, 2, c.width, c.height, 32},
            filled(pixels * 4));
        TgaImage image;
        EXPECT_EQ(image.load(path), c.loads ? 1 : 0) << c.width << " x " << c.height;
        EXPECT_EQ(image.errorCode, c.loads ? TgaError::None : TgaError::BadSize) << c.width << " x " << c.height;
    }
}

TEST(TgaImage, RefusesUnsupportedHeadersAndDepths)
{
    TempDir dir;
    const Bytes pixels = filled(16);
    struct Case {
        const char* what;
        TgaHeader header;
        TgaError error;
    };
    const std::vector<Case> cases = {
        {"run-length true colour", {0, 0, 10, 2, 2, 32}, TgaError::UnsupportedHeader},
        {"colour-mapped type", {0, 0, 1, 2, 2, 32}, TgaError::UnsupportedHeader},
        {"colour map present", {0, 1, 2, 2, 2, 32}, TgaError::UnsupportedHeader},
        {"no image data", {0, 0, 0, 2, 2, 32}, TgaError::UnsupportedHeader},
        {"16 bits", {0, 0, 2, 2, 2, 16}, TgaError::BadDepth},
        {"15 bits", {0, 0, 2, 2, 2, 15}, TgaError::BadDepth},
        {"0 bits", {0, 0, 2, 2, 2, 0}, TgaError::BadDepth},
    };
    for (const Case& c : cases)
        expectFailure(glimtags::test::writeTga(dir, "bad.tga", c.header, pixels), c.error, c.what);

    const std::string shortHeader = dir.path("short-header.tga");
    Bytes header = glimtags::test::tgaBytes({0, 0, 2, 1, 1, 32}, {});
    header.resize(17);
    glimtags::test::writeFile(shortHeader, header);
    expectFailure(shortHeader, TgaError::UnsupportedHeader, "17-byte file");

    expectFailure(dir.path("missing.tga"), TgaError::OpenFailed, "missing file");
    // Only regular files: a folder cannot be opened as a picture, and a pipe must not block.
    expectFailure(dir.path(""), TgaError::OpenFailed, "folder");
    ASSERT_EQ(::mkfifo(dir.path("pipe.tga").c_str(), 0600), 0);
    expectFailure(dir.path("pipe.tga"), TgaError::OpenFailed, "pipe");
}

TEST(TgaImage, FewerPixelBytesThanPromisedFailsWithoutBuffer)
{
    TempDir dir;
    expectFailure(glimtags::test::writeTga(dir, "short.tga", {0, 0, 2, 4, 4, 32}, filled(63)),
        TgaError::ReadFailed, "one byte short");
    expectFailure(glimtags::test::writeTga(dir, "empty.tga", {0, 0, 2, 512, 512, 32}, {}),
        TgaError::ReadFailed, "no pixel data");
    // The identification field reaches past the end of the file.
    Bytes truncated = glimtags::test::tgaBytes({200, 0, 2, 1, 1, 32}, {});
    truncated.resize(30);
    glimtags::test::writeFile(dir.path("id.tga"), truncated);
    expectFailure(dir.path("id.tga"), TgaError::ReadFailed, "identification past the end");

    // A failed load after a good one keeps nothing of the earlier picture.
    TgaImage image;
    ASSERT_EQ(image.load(glimtags::test::writeTga(dir, "good.tga", {0, 0, 2, 4, 4, 32}, filled(64))), 1);
    EXPECT_EQ(image.load(dir.path("short.tga")), 0);
    EXPECT_EQ(image.errorCode, TgaError::ReadFailed);
    EXPECT_TRUE(image.pixels.empty());
    EXPECT_EQ(image.pixels.capacity(), 0u);
}

TEST(TgaImage, SkipsTheIdentificationField)
{
    TempDir dir;
    const std::string path = glimtags::test::writeTga(dir, "id.tga", {5, 0, 2, 1, 1, 32}, {10, 20, 30, 40});
    ASSERT_EQ(std::filesystem::file_size(path), 27u);
    TgaImage image;
    ASSERT_EQ(image.load(path), 1);
    EXPECT_EQ(image.pixels, (Bytes{30, 20, 10, 40}));
}

TEST(TgaImage, LoadsReadOnlyFileAndIgnoresTrailingBytes)
{
    TempDir dir;
    Bytes bytes = glimtags::test::tgaBytes({0, 0, 2, 1, 1, 24}, {1, 2, 3});
    bytes.insert(bytes.end(), {9, 9, 9, 9, 9, 9, 9, 9});
    const std::string path = dir.path("readonly.tga");
    glimtags::test::writeFile(path, bytes);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
            | std::filesystem::perms::others_read);
    TgaImage image;
    ASSERT_EQ(image.load(path), 1);
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1}));
}

TEST(TgaImage, ClearForgetsEverything)
{
    TempDir dir;
    TgaImage image;
    ASSERT_EQ(image.load(glimtags::test::writeTga(dir, "p.tga", {0, 0, 2, 2, 2, 32}, filled(16))), 1);
    image.textureName = 5;
    image.clear();
    EXPECT_EQ(image.errorCode, TgaError::None);
    EXPECT_EQ(image.bitsPerPixel, 0);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.textureName, 0u);
    EXPECT_EQ(image.pixelCount, 0);
    EXPECT_EQ(image.pixelFormat, 0u);
    EXPECT_TRUE(image.pixels.empty());
}

class TgaTexture : public ::testing::Test {
protected:
    GLuint newTexture()
    {
        GLuint name = 0;
        glGenTextures(1, &name);
        return name;
    }

    // The level-0 image of a texture read back as RGBA.
    Bytes textureRgba(GLuint name, int texels)
    {
        Bytes rgba(static_cast<std::size_t>(texels) * 4);
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    OffscreenGl gl;
    TempDir dir;
};

TEST_F(TgaTexture, UploadsWithRepeatLinearModulateAndByteAlignment)
{
    // Start from other settings so that each one the upload makes shows.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const GLuint name = newTexture();
    // Three 3-byte texels per row: rows are not 4-byte aligned.
    const std::string path = glimtags::test::writeTga(dir, "rgb.tga", {0, 0, 2, 2, 2, 24},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});

    TgaImage image;
    image.clear();
    ASSERT_EQ(image.loadTexture(path, name, false, 0), 1);
    EXPECT_EQ(image.textureName, name);
    EXPECT_TRUE(image.pixels.empty());

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), name);
    GLint value = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &value);
    EXPECT_EQ(value, 1);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &value);
    EXPECT_EQ(value, GL_MODULATE);
    for (const GLenum parameter : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
        glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
        EXPECT_EQ(value, GL_REPEAT);
    }
    for (const GLenum parameter : {GL_TEXTURE_MAG_FILTER, GL_TEXTURE_MIN_FILTER}) {
        glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
        EXPECT_EQ(value, GL_LINEAR);
    }
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &value);
    EXPECT_EQ(value, GL_RGB);
    EXPECT_EQ(textureRgba(name, 4), (Bytes{3, 2, 1, 255, 6, 5, 4, 255, 9, 8, 7, 255, 12, 11, 10, 255}));
}

TEST_F(TgaTexture, KeepPixelsLeavesTheTextureEmpty)
{
    const GLuint name = newTexture();
    TgaImage image;
    ASSERT_EQ(image.loadTexture(glimtags::test::writeTga(dir, "p.tga", {0, 0, 2, 1, 1, 32}, {1, 2, 3, 4}), name,
                  true, 0),
        1);
    EXPECT_EQ(image.pixels, (Bytes{3, 2, 1, 4}));
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
}

TEST_F(TgaTexture, FailedLoadKeepsNoTextureName)
{
    TgaImage image;
    image.clear();
    EXPECT_EQ(image.loadTexture(dir.path("missing.tga"), newTexture(), false, GL_RGBA), 0);
    EXPECT_EQ(image.errorCode, TgaError::OpenFailed);
    EXPECT_EQ(image.textureName, 0u);
}

TEST_F(TgaTexture, AlphaPictureDrawsPlainWhite)
{
    const GLuint name = newTexture();
    TgaImage image;
    ASSERT_EQ(image.loadTexture(glimtags::test::writeTga(dir, "alpha.tga", {0, 0, 3, 2, 2, 8}, {100, 100, 100, 100}),
                  name, false, 0),
        1);
    EXPECT_EQ(image.pixelFormat, static_cast<GLenum>(GL_ALPHA));

    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(1, 0);
    glVertex2f(1, -1);
    glTexCoord2f(1, 1);
    glVertex2f(1, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-1, 1);
    glEnd();
    EXPECT_TRUE(glimtags::test::pixelNear(gl.pixel(100, 100), {255, 255, 255}, 0));
}

TEST_F(TgaTexture, FormatOverrideWidensEveryDepthToRgba)
{
    struct Case {
        int imageType;
        int depth;
        Bytes stored;
        Bytes texels;
    };
    const std::vector<Case> cases = {
        {3, 8, {0, 128}, {255, 255, 255, 0, 255, 255, 255, 128}},
        {2, 24, {10, 20, 30, 1, 2, 3}, {30, 20, 10, 255, 3, 2, 1, 255}},
        {2, 32, {10, 20, 30, 40, 1, 2, 3, 4}, {30, 20, 10, 40, 3, 2, 1, 4}},
    };
    for (const Case& c : cases) {
        const GLuint name = newTexture();
        TgaImage image;
        ASSERT_EQ(image.loadTexture(glimtags::test::writeTga(dir, "p.tga", {0, 0, c.imageType, 2, 1, c.depth},
                                        c.stored),
                      name, true, GL_RGBA),
            1);
        EXPECT_EQ(image.pixelFormat, static_cast<GLenum>(GL_RGBA)) << "depth " << c.depth;
        EXPECT_EQ(image.pixels, c.texels) << "depth " << c.depth;
        image.upload();
        EXPECT_EQ(textureRgba(name, 2), c.texels) << "depth " << c.depth;
    }
}
