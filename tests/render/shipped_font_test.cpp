#include "render/tga_image.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// The palette shows these cells of the sheet as buttons; a blank or repeated cell is a broken sheet.
TEST(ShippedFont, PaletteGlyphsAreDistinctAndDrawn)
{
    glimtags::TgaImage sheet;
    ASSERT_TRUE(sheet.load(std::string(GLIMTAGS_RESOURCES) + "/Font.TGA"));
    ASSERT_EQ(sheet.pixelFormat, static_cast<GLenum>(GL_RGBA));
    const int cell = sheet.width / 16;
    std::set<std::vector<unsigned char>> glyphs;
    for (const int byte : {1, 2, 3, 4, 7, 8, 9, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 29, 30, 31}) {
        // Cell rows run from the top of the picture, file rows from its bottom.
        const int firstRow = (15 - byte / 16) * cell;
        std::vector<unsigned char> alpha;
        for (int row = firstRow; row < firstRow + cell; ++row)
            for (int column = byte % 16 * cell; column < (byte % 16 + 1) * cell; ++column)
                alpha.push_back(sheet.pixels[static_cast<std::size_t>(row * sheet.width + column) * 4 + 3]);
        EXPECT_NE(std::set<unsigned char>(alpha.begin(), alpha.end()).size(), 1u) << "cell " << byte << " is blank";
        glyphs.insert(alpha);
    }
    EXPECT_EQ(glyphs.size(), 20u);
}
