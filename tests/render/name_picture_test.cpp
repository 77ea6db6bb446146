#include "render/name_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using glimtags::drawNamePicture;
using glimtags::RgbaPicture;
using glimtags::NameText;
using glimtags::TgaImage;

namespace {

using Pixel = std::array<int, 4>;

constexpr int kSheetCell = 2;
constexpr int kSheetSide = 16 * kSheetCell;

// An alpha-only sheet of 2 x 2 texel cells in which only the glyphs given are drawn: the
// top texel row of the cell opaque, the bottom row at alpha 128, so the picture shows
// which way up a cell was copied.
TgaImage sheetDrawing(const std::string& glyphs)
{
    TgaImage sheet;
    sheet.bitsPerPixel = 8;
    sheet.width = sheet.height = kSheetSide;
    sheet.pixelCount = kSheetSide * kSheetSide;
    sheet.pixelFormat = GL_ALPHA;
    sheet.pixels.assign(static_cast<std::size_t>(sheet.pixelCount), 0);
    for (unsigned char byte : glyphs) {
        const int left = byte % 16 * kSheetCell;
        const int topRowFromBottom = (16 - byte / 16) * kSheetCell - 1;
        for (int x = left; x < left + kSheetCell; ++x) {
            sheet.pixels[static_cast<std::size_t>(topRowFromBottom * kSheetSide + x)] = 255;
            sheet.pixels[static_cast<std::size_t>((topRowFromBottom - 1) * kSheetSide + x)] = 128;
        }
    }
    return sheet;
}

Pixel pixelAt(const RgbaPicture& picture, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2], picture.rgba[at + 3]};
}

// The top texel row of each glyph cell, left to right, at cells of 2 pixels (margin 1).
std::vector<Pixel> glyphTops(const RgbaPicture& picture)
{
    std::vector<Pixel> tops;
    for (int x = 1; x + 1 < picture.width; x += 2)
        tops.push_back(pixelAt(picture, x, 1));
    return tops;
}

} // namespace

// Glyphs in the engine's colours, in order, on a transparent ground; a caret before a
// byte that is no letter or digit is a glyph, and the next caret may start a code.
TEST(NamePicture, DrawsEachGlyphInTheColourOfItsCode)
{
    const TgaImage sheet = sheetDrawing("^!ABC");
    const Pixel white{255, 255, 255, 255}, red{255, 0, 0, 255}, black{0, 0, 0, 255}, none{0, 0, 0, 0};
    struct Case {
        std::string name;
        std::vector<Pixel> tops;
    };
    const Case cases[] = {
        {"^!A^^B^1C^", {white, white, white, white, red, red}},
        {"^9A^hB^aC", {red, black, red}},
        {"A^1", {white}},
        {"Z^2A", {none, {0, 255, 0, 255}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const RgbaPicture picture = drawNamePicture(NameText(c.name), sheet, {kSheetCell, nullptr});
        EXPECT_EQ(picture.width, static_cast<int>(c.tops.size()) * kSheetCell + kSheetCell) << c.name;
        EXPECT_EQ(picture.height, 2 * kSheetCell) << c.name;
        EXPECT_EQ(glyphTops(picture), c.tops) << c.name;
    }
}

// The cell's top row is the picture's upper row, and the half-covered row keeps its alpha.
TEST(NamePicture, KeepsTheGlyphUprightAndItsAlpha)
{
    const RgbaPicture picture = drawNamePicture(NameText("^4A"), sheetDrawing("A"), {kSheetCell, nullptr});
    EXPECT_EQ(pixelAt(picture, 1, 1), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(pixelAt(picture, 1, 2), (Pixel{0, 0, 255, 128}));
    EXPECT_EQ(pixelAt(picture, 0, 0), (Pixel{0, 0, 0, 0}));
}

// A background fills the margin and shows through where a glyph is half transparent.
TEST(NamePicture, LaysTheNameOverTheBackground)
{
    TgaImage green;
    green.bitsPerPixel = 24;
    green.width = green.height = green.pixelCount = 1;
    green.pixelFormat = GL_RGB;
    green.pixels = {0, 200, 0};
    const RgbaPicture picture = drawNamePicture(NameText("^1A"), sheetDrawing("A"), {kSheetCell, &green});
    EXPECT_EQ(pixelAt(picture, 0, 0), (Pixel{0, 200, 0, 255}));
    EXPECT_EQ(pixelAt(picture, 1, 1), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(pixelAt(picture, 1, 2), (Pixel{128, 100, 0, 255}));
}

// Twice the size draws each glyph over twice the pixels, the margin included.
TEST(NamePicture, ScalesTheCells)
{
    const RgbaPicture picture = drawNamePicture(NameText("AB"), sheetDrawing("AB"), {2 * kSheetCell, nullptr});
    EXPECT_EQ(picture.width, 3 * 2 * kSheetCell);
    EXPECT_EQ(picture.height, 2 * 2 * kSheetCell);
    EXPECT_EQ(pixelAt(picture, kSheetCell, kSheetCell)[3], 255);
    EXPECT_EQ(pixelAt(picture, kSheetCell - 1, kSheetCell)[3], 0);
}

TEST(NamePicture, RefusesASheetThatIsNotSixteenSquareCells)
{
    TgaImage wide = sheetDrawing("A");
    wide.height = kSheetSide / 2;
    TgaImage tiny = sheetDrawing("A");
    tiny.width = tiny.height = 8;
    for (const TgaImage& sheet : {wide, tiny, TgaImage{}})
        EXPECT_TRUE(drawNamePicture(NameText("A"), sheet, {}).rgba.empty());
}
