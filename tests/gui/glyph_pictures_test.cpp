#include "ui/glyph_pictures.h"

#include "render/tga_image.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <algorithm>
#include <vector>

// One pixel a cell, rows stored bottom-up: the picture of a byte is its own cell, the
// glyph's colour laid over the palette's dark tile by its alpha; the glyphs of an
// alpha-only sheet are white. A sheet that is not square has no pictures.
TEST(GlyphPictures, EachByteShowsItsOwnCellOverTheTile)
{
    const auto css = [](const wxColour& colour) { return colour.GetAsString(wxC2S_CSS_SYNTAX).ToStdString(); };
    const wxColour tile(0x20, 0x24, 0x2a);
    const struct { int depth; std::vector<unsigned char> glyph; wxColour shown, empty; } cases[] = {
        {8, {128}, wxColour(143, 145, 148), tile},
        {24, {10, 200, 30}, wxColour(10, 200, 30), *wxBLACK},
        {32, {200, 100, 50, 255}, wxColour(200, 100, 50), tile},
    };
    for (const auto& c : cases) {
        glimtags::TgaImage sheet;
        sheet.width = sheet.height = 16;
        sheet.bitsPerPixel = c.depth;
        sheet.pixels.assign(256 * c.glyph.size(), 0);
        std::ranges::copy(c.glyph, sheet.pixels.begin() + (14 * 16 + 3) * c.glyph.size());
        const auto colour = [&](unsigned char byte) {
            const wxImage image = glimtags::GlyphPictures(sheet).picture(byte, 1).ConvertToImage();
            return css(wxColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)));
        };
        EXPECT_EQ(colour(0x13), css(c.shown)) << c.depth;
        EXPECT_EQ(colour(0x14), css(c.empty)) << c.depth;
        sheet.height = 8;
        EXPECT_FALSE(glimtags::GlyphPictures(sheet).picture(0x13, 1).IsOk()) << c.depth;
    }
}
