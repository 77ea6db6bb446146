#include "render/bitmap_font.h"

#include "offscreen_gl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr GLenum kSwitches[] = {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_SCISSOR_TEST, GL_BLEND};

// Every item drawText switches for its glyphs, set all one way.
void setState(bool on)
{
    glPolygonMode(GL_FRONT, on ? GL_LINE : GL_FILL);
    glPolygonMode(GL_BACK, on ? GL_POINT : GL_FILL);
    for (const GLenum capability : kSwitches)
        (on ? glEnable : glDisable)(capability);
    glMatrixMode(on ? GL_PROJECTION : GL_MODELVIEW);
    glBlendFunc(on ? GL_ONE : GL_ZERO, on ? GL_ONE : GL_SRC_COLOR);
}

std::vector<GLfloat> state()
{
    std::vector<GLfloat> values(2 + 16 + 16);
    glGetFloatv(GL_POLYGON_MODE, &values[0]);
    glGetFloatv(GL_PROJECTION_MATRIX, &values[2]);
    glGetFloatv(GL_MODELVIEW_MATRIX, &values[18]);
    for (const GLenum capability : kSwitches)
        values.push_back(glIsEnabled(capability));
    for (const GLenum item : {GL_MATRIX_MODE, GL_BLEND_SRC, GL_BLEND_DST}) {
        values.push_back(0);
        glGetFloatv(item, &values.back());
    }
    return values;
}

} // namespace

TEST(BitmapFontState, DrawTextPutsBackWhatItSwitchesAndBlendsItsGlyphs)
{
    constexpr int kSide = 32;
    glimtags::tools::OffscreenGl gl(kSide, kSide);
    // Every cell one opaque white texel: a glyph is a square in the font's colour.
    glimtags::TgaImage sheet;
    sheet.width = sheet.height = 16;
    sheet.pixelCount = 256;
    sheet.pixelFormat = GL_RGBA;
    sheet.pixels.assign(4 * 256, 255);
    glimtags::BitmapFont font;
    ASSERT_TRUE(font.createFont(sheet));

    // Matrices drawText must leave alone; a depth test that passes nothing would hide the glyph.
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 5, -7, 9, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(4, 5, 0);
    glDepthFunc(GL_NEVER);
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "from on" : "from off");
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        setState(on);
        const std::vector<GLfloat> before = state();
        font.size = 16;
        font.colour = {1.0f, 0.0f, 0.0f, 0.5f};
        font.drawText(8, 8, "A");
        EXPECT_EQ(state(), before);

        // Half-transparent red over black, at the middle of the glyph.
        const std::vector<unsigned char> rgb = gl.readRgb();
        const std::size_t middle = (16 * kSide + 16) * 3;
        EXPECT_NEAR(rgb[middle], 128, 2);
        EXPECT_EQ(rgb[middle + 1] + rgb[middle + 2], 0);
    }
}
