#pragma once

#include "render/bitmap_font.h"

#include "gl_fixture.h"
#include "glyph_checks.h"
#include "tga_files.h"

#include <gtest/gtest.h>

#include <array>

namespace glimtags::test {

inline constexpr ColourRgb kRed{1, 0, 0};
inline constexpr ColourRgb kGreen{0, 1, 0};
inline constexpr ColourRgb kBlue{0, 0, 1};

// A font made from the test sheet over a black buffer.
class FontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(font.createFont(writeGlyphSheet(dir, "font.tga")), 1);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    static std::array<GLint, 4> scissorBox()
    {
        std::array<GLint, 4> box{};
        glGetIntegerv(GL_SCISSOR_BOX, box.data());
        return box;
    }

    OffscreenGl gl;
    TempDir dir;
    BitmapFont font;
};

} // namespace glimtags::test
