#include "font_fixture.h"

#include <string>
#include <vector>

using glimtags::kWhite;
using glimtags::test::areaIs;
using glimtags::test::glyphAt;
using glimtags::test::kBlack;
using glimtags::test::pixelNear;
using glimtags::test::Snapshot;

using BitmapFontLayout = glimtags::test::FontTest;

TEST_F(BitmapFontLayout, CellTableRunsRowByRowFromTheTopLeftCell)
{
    struct Case {
        int cell;
        float u;
        float v;
    };
    const std::vector<Case> cases = {
        {0, 0.0f, 0.9375f}, {15, 0.9375f, 0.9375f}, {16, 0.0f, 0.875f}, {65, 0.0625f, 0.6875f},
        {200, 0.5f, 0.1875f}, {255, 0.9375f, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(font.cellTable[static_cast<std::size_t>(c.cell)].u, c.u) << "cell " << c.cell;
        EXPECT_EQ(font.cellTable[static_cast<std::size_t>(c.cell)].v, c.v) << "cell " << c.cell;
    }
    EXPECT_EQ(font.cellWidth, 0.0625f);
    EXPECT_EQ(font.cellHeight, 0.0625f);
    EXPECT_TRUE(glIsTexture(font.texture));
}

TEST_F(BitmapFontLayout, GlyphSquaresAndScissorBoxOfAB)
{
    font.size = 16;
    font.drawText(10, 100, "AB");
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, 100, 'A', kWhite, kBlack));
    EXPECT_TRUE(glyphAt(s, 26, 100, 'B', kWhite, kBlack));
    EXPECT_TRUE(areaIs(s, 9, 99, 43, 100, kBlack));
    EXPECT_TRUE(areaIs(s, 9, 116, 43, 117, kBlack));
    EXPECT_TRUE(areaIs(s, 9, 100, 10, 116, kBlack));
    EXPECT_TRUE(areaIs(s, 42, 100, 43, 116, kBlack));
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{10, 100, 32, 16}));
}

TEST_F(BitmapFontLayout, HighByteDrawsItsOwnCell)
{
    font.size = 16;
    font.drawText(10, 100, "%c", 200);
    EXPECT_TRUE(glyphAt(gl.snapshot(), 10, 100, 200, kWhite, kBlack));
}

TEST_F(BitmapFontLayout, ShadowLiesOneUpOneRightAndIsCutByTheScissorBox)
{
    font.size = 16;
    font.shadow = true;
    font.shadowColour = {0, 0, 1, 1};
    font.drawText(10, 100, "AB");
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, 100, 'A', kWhite));
    EXPECT_TRUE(glyphAt(s, 26, 100, 'B', kWhite));
    // Through each hole: the shadow's texel (2, 2) is opaque, its (3, 3) is not.
    EXPECT_TRUE(pixelNear(s.pixel(13, 103), {0, 0, 'A'}));
    EXPECT_TRUE(pixelNear(s.pixel(14, 104), kBlack));
    EXPECT_TRUE(pixelNear(s.pixel(29, 103), {0, 0, 'B'}));
    // The shadow's top row and the last glyph's right column lie outside the box.
    EXPECT_TRUE(areaIs(s, 11, 116, 43, 117, kBlack));
    EXPECT_TRUE(areaIs(s, 42, 101, 43, 116, kBlack));
}

TEST_F(BitmapFontLayout, TabMovesFiveCellsAndNewlineGoesBackDownOneCell)
{
    font.size = 16;
    font.drawText(10, 100, "A\tB");
    Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, 100, 'A', kWhite, kBlack));
    EXPECT_TRUE(areaIs(s, 26, 100, 106, 116, kBlack));
    EXPECT_TRUE(glyphAt(s, 106, 100, 'B', kWhite, kBlack));
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{10, 100, 4 * 16 * 3, 16}));

    glClear(GL_COLOR_BUFFER_BIT);
    font.size = 16;
    font.drawText(10, 100, "A\nB");
    s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, 100, 'A', kWhite, kBlack));
    EXPECT_TRUE(glyphAt(s, 10, 84, 'B', kWhite, kBlack));
    EXPECT_TRUE(areaIs(s, 26, 84, 58, 116, kBlack));
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{10, 84, 48, 32}));
}

TEST_F(BitmapFontLayout, StopsAtTheFirstByteStartingBeyondTheRightEdge)
{
    struct Case {
        int x;
        const char* text;
        bool secondLineDrawn;
    };
    const std::vector<Case> cases = {
        // The pen ends exactly on the edge (576): not beyond it, so the newline still runs.
        {544, "AB\nE", true},
        // C starts on the edge and is drawn; the pen is then beyond it.
        {544, "ABC\nE", false},
        {540, "ABCD\nE", false},
    };
    for (const Case& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        font.size = 16;
        font.drawText(c.x, 100, "%s", c.text);
        const Snapshot s = gl.snapshot();
        if (c.secondLineDrawn)
            EXPECT_TRUE(glyphAt(s, c.x, 84, 'E', kWhite, kBlack)) << c.x << " " << c.text;
        else
            EXPECT_TRUE(areaIs(s, c.x, 84, c.x + 16, 100, kBlack)) << c.x << " " << c.text;
    }
}

TEST_F(BitmapFontLayout, FormattedTextIsCutAt1023Bytes)
{
    const std::string text = std::string(1022, 'A') + "BC";
    font.size = 16;
    // Byte 1023 (B) lands at x 10, byte 1024 (C) would follow at 26.
    font.drawText(10 - 16 * 1022, 100, "%s", text.c_str());
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, 100, 'B', kWhite, kBlack));
    EXPECT_TRUE(areaIs(s, 26, 100, 42, 116, kBlack));
}
