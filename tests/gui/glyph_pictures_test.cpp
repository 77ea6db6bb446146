#include "ui/glyph_pictures.h"

#include "render/tga_image.h"

#include <gtest/gtest.h>
#include <wx/image.h>

// One alpha pixel a cell, rows stored bottom-up: the picture of a byte is its own cell,
// white where the glyph is and the palette's dark tile elsewhere. A sheet that is not
// square has no pictures.
TEST(GlyphPictures, EachByteShowsItsOwnCell)
{
    glimtags::TgaImage sheet;
    sheet.width = sheet.height = 16;
    sheet.bitsPerPixel = 8;
    sheet.pixels.assign(256, 0);
    sheet.pixels[14 * 16 + 3] = 255;
    const auto colour = [&](unsigned char byte) {
        const wxImage image = glimtags::GlyphPictures(sheet).picture(byte, 1).ConvertToImage();
        return wxColour(image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0));
    };
    EXPECT_EQ(colour(0x13), *wxWHITE);
    EXPECT_EQ(colour(0x14), wxColour(0x20, 0x24, 0x2a));
    sheet.height = 8;
    EXPECT_FALSE(glimtags::GlyphPictures(sheet).picture(0x13, 1).IsOk());
}
