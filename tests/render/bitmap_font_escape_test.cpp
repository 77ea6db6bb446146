#include "font_fixture.h"

#include <string>
#include <vector>

using glimtags::ColourRgb;
using glimtags::kWhite;
using glimtags::test::areaIs;
using glimtags::test::cellColour;
using glimtags::test::glyphAt;
using glimtags::test::kBlack;
using glimtags::test::kBlue;
using glimtags::test::kGreen;
using glimtags::test::kRed;
using glimtags::test::pixelNear;
using glimtags::test::Snapshot;

using BitmapFontEscapes = glimtags::test::FontTest;

TEST_F(BitmapFontEscapes, DrawnGlyphsOfEachEscape)
{
    struct Glyph {
        int cell;
        ColourRgb colour;
    };
    struct Case {
        std::string text;
        std::vector<Glyph> glyphs;
    };
    const ColourRgb halfBlue{0, 0, 128.0f / 255.0f};
    const std::vector<Case> cases = {
        {"\\c(255 0 0)A", {{'A', kRed}}},
        {"\\c(255 0 0)A\\c(0 0 255)B", {{'A', kRed}, {'B', kBlue}}},
        {"\\c( 0 +255\t0 )A", {{'A', kGreen}}},
        // Numbers beyond 0..255 are clamped by OpenGL.
        {"\\c(999 -5 70000000000)A", {{'A', {1, 0, 1}}}},
        {"\\a(0 0 255 128)A", {{'A', halfBlue}}},
        {"\\qA", {{'\\', kWhite}, {'q', kWhite}, {'A', kWhite}}},
        {"\\\\A", {{'\\', kWhite}, {'\\', kWhite}, {'A', kWhite}}},
        {"A\\", {{'A', kWhite}}},
        // Numbers but no closing parenthesis: the rest of the text is taken.
        {"B\\c(0 255 0 A", {{'B', kWhite}}},
        // Malformed escapes show the backslash and go on with the next byte.
        {"\\c(1 2)A", {{'\\', kWhite}, {'c', kWhite}, {'(', kWhite}, {'1', kWhite}, {' ', kWhite}, {'2', kWhite},
                          {')', kWhite}, {'A', kWhite}}},
        {"\\cA", {{'\\', kWhite}, {'c', kWhite}, {'A', kWhite}}},
        {"\\c", {{'\\', kWhite}, {'c', kWhite}}},
        {"\\a(0 0 255)A", {{'\\', kWhite}, {'a', kWhite}, {'(', kWhite}, {'0', kWhite}, {' ', kWhite}, {'0', kWhite},
                               {' ', kWhite}, {'2', kWhite}, {'5', kWhite}, {'5', kWhite}, {')', kWhite}, {'A', kWhite}}},
        {"\\bA", {{'\\', kWhite}, {'b', kWhite}, {'A', kWhite}}},
        {"\\i", {{'\\', kWhite}, {'i', kWhite}}},
    };
    for (const Case& c : cases) {
        glClear(GL_COLOR_BUFFER_BIT);
        font.size = 16;
        font.drawText(10, 100, "%s", c.text.c_str());
        const Snapshot s = gl.snapshot();
        int x = 10;
        for (const Glyph& glyph : c.glyphs) {
            EXPECT_TRUE(glyphAt(s, x, 100, glyph.cell, glyph.colour, kBlack)) << c.text;
            x += 16;
        }
        EXPECT_TRUE(areaIs(s, x, 100, x + 16, 116, kBlack)) << c.text << ": nothing after the last glyph";
    }
}

TEST_F(BitmapFontEscapes, BoldAddsACopyOnePixelRightUntilSwitchedOff)
{
    font.size = 16;
    font.drawText(10, 100, "\\b+A\\b-B");
    const Snapshot s = gl.snapshot();
    // The copy's opaque left columns fill the left of A's hole; B, plain again, keeps its hole.
    EXPECT_TRUE(pixelNear(s.pixel(13, 105), cellColour('A', kWhite)));
    EXPECT_TRUE(pixelNear(s.pixel(14, 105), kBlack));
    EXPECT_TRUE(pixelNear(s.pixel(29, 105), kBlack));
    EXPECT_TRUE(glyphAt(s, 26, 100, 'B', kWhite, kBlack));
}

TEST_F(BitmapFontEscapes, BoldMovesTheShadowTwoPixelsRight)
{
    font.size = 16;
    font.shadow = true;
    font.shadowColour = {0, 0, 1, 1};
    font.drawText(10, 100, "\\b+A");
    // Texel (4, 4) of the glyph and of the bold copy is open; the shadow's texel (2, 3) is not.
    EXPECT_TRUE(pixelNear(gl.pixel(14, 104), {0, 0, 'A'}));
}

TEST_F(BitmapFontEscapes, SlantShiftsTheTopEdgeEightPixelsRight)
{
    font.size = 16;
    font.drawText(10, 100, "\\i+A");
    const Snapshot s = gl.snapshot();
    const glimtags::test::Pixel a = cellColour('A', kWhite);
    EXPECT_TRUE(pixelNear(s.pixel(10, 100), a));
    EXPECT_TRUE(areaIs(s, 10, 115, 18, 116, kBlack));
    EXPECT_TRUE(pixelNear(s.pixel(18, 115), a));
    EXPECT_TRUE(pixelNear(s.pixel(33, 115), a));

    glClear(GL_COLOR_BUFFER_BIT);
    font.size = 16;
    font.drawText(10, 100, "\\i+\\i-A");
    EXPECT_TRUE(glyphAt(gl.snapshot(), 10, 100, 'A', kWhite, kBlack));
}
