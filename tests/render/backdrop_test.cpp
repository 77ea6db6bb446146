#include "render/preview_paint.h"

#include "offscreen_gl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using glimtags::kPreviewHeight;
using glimtags::kPreviewWidth;

// A picture of 2 x 2 pixels in four colours: every filtered pixel of the stretch differs.
glimtags::TgaImage checkerPicture()
{
    glimtags::TgaImage picture;
    picture.width = picture.height = 2;
    picture.pixelCount = 4;
    picture.pixelFormat = GL_RGB;
    picture.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
    return picture;
}

std::vector<unsigned char> paint(glimtags::PreviewView& view, const glimtags::tools::OffscreenGl& gl)
{
    glimtags::paintPreview(view, glimtags::previewStateFor(glimtags::NameText("^1Glim^3tags")), kPreviewWidth,
        kPreviewHeight);
    return gl.readRgb();
}

} // namespace

// Later frames copy the first frame's stretched picture back; a new picture is stretched anew.
TEST(Backdrop, EveryFrameShowsTheStretchedPicture)
{
    const glimtags::tools::OffscreenGl gl(kPreviewWidth, kPreviewHeight);
    glimtags::TgaImage background;
    ASSERT_TRUE(background.load(std::string(GLIMTAGS_RESOURCES) + "/BackGrnd.TGA"));
    glimtags::PreviewView view;
    view.setBackground(background);
    const std::vector<unsigned char> first = paint(view, gl);
    EXPECT_EQ(paint(view, gl), first);

    view.setBackground(checkerPicture());
    const std::vector<unsigned char> changed = paint(view, gl);
    EXPECT_NE(changed, first);
    EXPECT_EQ(paint(view, gl), changed);
    glimtags::PreviewView fresh;
    fresh.setBackground(checkerPicture());
    EXPECT_EQ(paint(fresh, gl), changed);
}
