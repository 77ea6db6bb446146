#pragma once

#include "core/name_text.h"
#include "gl_fixture.h"

#include <optional>

namespace glimtags::test {

inline constexpr Pixel kBlack{0, 0, 0};

// The colour a glyph of the test sheet's cell shows when drawn opaque in the colour.
Pixel cellColour(int cell, ColourRgb colour);

// A 16-pixel glyph of the test sheet with its pen at window (x, y): every opaque texel
// in the cell's colour, and, when given, every hole pixel in `hole`.
::testing::AssertionResult glyphAt(const Snapshot& snapshot, int x, int y, int cell, ColourRgb colour,
    std::optional<Pixel> hole = std::nullopt);

// A glyph of another size: two opaque corners where filtering keeps the cell's colour, and the
// right edge of the hole, which moves with the size.
::testing::AssertionResult smallGlyphAt(const Snapshot& snapshot, int x, int y, int size, int cell,
    ColourRgb colour);

} // namespace glimtags::test
