#include "render/preview_view.h"
#include "render/tga_image.h"

#include "gl_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kResources = GLIMTAGS_RESOURCES;

} // namespace

TEST(ShippedTga, FontSheetIs32BitsInWholeCells)
{
    glimtags::TgaImage font;
    ASSERT_EQ(font.load(kResources + "/Font.TGA"), 1) << static_cast<int>(font.errorCode);
    EXPECT_EQ(font.bitsPerPixel, 32);
    EXPECT_EQ(font.pixelFormat, static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(font.width % 16, 0);
    EXPECT_EQ(font.height % 16, 0);
}

// Loading checks the power-of-two sides.
TEST(ShippedTga, BackgroundLoads)
{
    glimtags::TgaImage background;
    EXPECT_EQ(background.load(kResources + "/BackGrnd.TGA"), 1) << static_cast<int>(background.errorCode);
}

TEST(ShippedTga, PreviewSceneStartsWithTheShippedFiles)
{
    glimtags::test::OffscreenGl gl;
    glimtags::PreviewView view(kResources + "/Font.TGA");
    EXPECT_EQ(view.initScene(576, 228, kResources + "/BackGrnd.TGA", kResources + "/English.lan"), 0);
}
