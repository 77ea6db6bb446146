#include "glyph_checks.h"

#include "tga_files.h"

#include <cmath>

namespace glimtags::test {
namespace {

constexpr int kGlyphSize = 16;

int scaled(int cell, float channel)
{
    return static_cast<int>(std::lround(static_cast<float>(cell) * channel));
}

} // namespace

Pixel cellColour(int cell, ColourRgb colour)
{
    return {scaled(cell, colour.red), scaled(cell, colour.green), scaled(cell, colour.blue)};
}

::testing::AssertionResult glyphAt(const Snapshot& snapshot, int x, int y, int cell, ColourRgb colour,
    std::optional<Pixel> hole)
{
    const Pixel opaque = cellColour(cell, colour);
    for (int row = 0; row < kGlyphSize; ++row) {
        for (int column = 0; column < kGlyphSize; ++column) {
            const bool inHole = isHoleTexel(column, row);
            if (inHole && !hole)
                continue;
            const Pixel expected = inHole ? *hole : opaque;
            if (auto near = pixelNear(snapshot.pixel(x + column, y + row), expected); !near)
                return ::testing::AssertionFailure() << "glyph " << cell << " at (" << x << ", " << y << "), texel ("
                                                     << column << ", " << row << "): " << near.message();
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult smallGlyphAt(const Snapshot& snapshot, int x, int y, int size, int cell,
    ColourRgb colour)
{
    // Texel coordinate sampled at the centre of a glyph pixel: with linear filtering the pixel
    // is plain when both neighbouring texels are.
    const auto texelAt = [size](int pixel) { return (pixel + 0.5f) * kGlyphSize / static_cast<float>(size) - 0.5f; };
    int holeRow = 0;
    while (texelAt(holeRow) < kHoleStart)
        ++holeRow;
    int afterHole = 0;
    while (texelAt(afterHole) < kHoleEnd)
        ++afterHole;

    const Pixel expected = cellColour(cell, colour);
    for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{size - 2, size - 2}, std::pair{afterHole, holeRow}}) {
        if (auto near = pixelNear(snapshot.pixel(x + dx, y + dy), expected); !near)
            return ::testing::AssertionFailure() << "glyph " << cell << " of size " << size << " at (" << x << ", "
                                                 << y << "), pixel (" << dx << ", " << dy << "): " << near.message();
    }
    // The pixel before reaches into the hole, which a glyph of another size would not have there.
    if (pixelNear(snapshot.pixel(x + afterHole - 1, y + holeRow), expected))
        return ::testing::AssertionFailure() << "glyph " << cell << " at (" << x << ", " << y
                                             << ") is not " << size << " pixels wide";
    return ::testing::AssertionSuccess();
}

} // namespace glimtags::test
