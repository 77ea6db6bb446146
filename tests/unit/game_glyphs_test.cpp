#include "core/game_glyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::NameText;

// Columns of the caret positions 0 .. length under the game's rule; the last is the glyph count.
TEST(GameGlyphs, ACodeTakesNoColumnAndAnyOtherCaretTakesOne)
{
    const struct { std::string text; std::vector<int> columns; } cases[] = {
        {"^1ab", {0, 0, 0, 1, 2}},
        {"^ab", {0, 0, 0, 1}},
        {"^!A", {0, 1, 2, 3}},
        {"^^B", {0, 1, 1, 1}},
        {"a^", {0, 1, 2}},
        {"^8x^hy", {0, 0, 0, 1, 1, 1, 2}},
        {"^\xe9^\x01", {0, 1, 2, 3, 4}},
        {"\t\\", {0, 1, 2}},
        {"", {0}},
    };
    for (const auto& c : cases) {
        const NameText name(c.text);
        std::vector<int> columns;
        for (int p = 0; p <= name.length(); ++p)
            columns.push_back(glimtags::gameGlyphColumn(name, p));
        EXPECT_EQ(columns, c.columns) << c.text;
        EXPECT_EQ(glimtags::gameGlyphCount(name), c.columns.back()) << c.text;
    }
    EXPECT_EQ(glimtags::gameGlyphColumn(NameText("ab"), 9), 2);
}
