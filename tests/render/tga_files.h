#pragma once

#include "gl_fixture.h"

#include <string>
#include <vector>

namespace glimtags::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct TgaHeader {
    int identificationLength = 0;
    int colourMapType = 0;
    int imageType = 2;
    int width = 1;
    int height = 1;
    int depth = 32;
};

// Header, an identification field of filler bytes, then pixelBytes as stored (blue first).
std::vector<unsigned char> tgaBytes(const TgaHeader& header, const std::vector<unsigned char>& pixelBytes);
void writeFile(const std::string& path, const std::vector<unsigned char>& bytes);
std::string writeTga(const TempDir& dir, const std::string& name, const TgaHeader& header,
    const std::vector<unsigned char>& pixelBytes);

// The test glyph sheet: 256 x 256 texels, 16 x 16 cells of 16 texels. Every texel of cell k
// has the colour (k, k, k), so a glyph's cell can be read from any channel its colour keeps.
// Each cell is opaque except a transparent hole off its centre, which shows how the cell
// is oriented and lets a shadow copy through.
inline constexpr int kSheetSide = 256;
inline constexpr int kHoleStart = 3;
inline constexpr int kHoleEnd = 10;

// column and row inside a cell, from its lower left texel.
bool isHoleTexel(int column, int row);
// The sheet in file order (bottom row first) at depth 32, 24 (no hole) or 8 (the byte is
// k in the opaque part, 0 in the hole).
std::vector<unsigned char> glyphSheetPixels(int depth);
std::string writeGlyphSheet(const TempDir& dir, const std::string& name, int depth = 32);

// A 32-bit picture of one colour, and one whose upper half (in picture order) differs.
std::string writeSolidPicture(const TempDir& dir, const std::string& name, Pixel colour);
std::string writeTwoTonePicture(const TempDir& dir, const std::string& name, Pixel top, Pixel bottom);

} // namespace glimtags::test
