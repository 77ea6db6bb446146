#include "render/bitmap_font.h"

#include "offscreen_gl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr GLenum kSwitches[] = {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_SCISSOR_TEST, GL_BLEND};

// What drawText switches for its glyphs: polygon modes, both matrices, the switches, the
// matrix mode and the blend factors.
std::vector<GLfloat> state()
{
    std::vector<GLfloat> values(2 + 16 + 16);
    glGetFloatv(GL_POLYGON_MODE, &values[0]);
    glGetFloatv(GL_PROJECTION_MATRIX, &values[2]);
    glGetFloatv(GL_MODELVIEW_MATRIX, &values[18]);
    for (const GLenum capability : kSwitches)
        values.push_back(glIsEnabled(capability));
    for (const GLenum item : {GL_MATRIX_MODE, GL_BLEND_SRC, GL_BLEND_DST})
        glGetFloatv(item, &values.emplace_back());
    return values;
}

} // namespace

TEST(BitmapFontState, DrawTextPutsBackWhatItSwitches)
{
    const glimtags::tools::OffscreenGl gl(32, 32);
    glimtags::TgaImage sheet;
    sheet.width = sheet.height = 16;
    sheet.pixelCount = 256;
    sheet.pixelFormat = GL_RGBA;
    sheet.pixels.assign(4 * 256, 255);
    glimtags::BitmapFont font;
    ASSERT_TRUE(font.createFont(sheet));
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 5, -7, 9, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(4, 5, 0);
    for (const bool on : {false, true}) {
        glPolygonMode(GL_FRONT, on ? GL_LINE : GL_FILL);
        glPolygonMode(GL_BACK, on ? GL_POINT : GL_FILL);
        for (const GLenum capability : kSwitches)
            (on ? glEnable : glDisable)(capability);
        glMatrixMode(on ? GL_PROJECTION : GL_MODELVIEW);
        glBlendFunc(on ? GL_ONE : GL_ZERO, on ? GL_ONE : GL_SRC_COLOR);
        const std::vector<GLfloat> before = state();
        font.drawText(8, 8, "A");
        EXPECT_EQ(state(), before) << (on ? "from on" : "from off");
    }
}
