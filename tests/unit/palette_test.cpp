#include "core/palette.h"

#include "support/fake_edit_box.h"

#include <gtest/gtest.h>

using glimtags::test::FakeEditBox;

TEST(Palette, ColourCodeAtTheCaretOrAroundTheSelection)
{
    // After colouring, the caret stands behind the coloured text, in front of the code
    // that is restored.
    const struct { const char* name; int start, end; const char* result; int beeps, caret; } cases[] = {
        {"ab", 2, 2, "ab^2", 0, 4},
        {"ab", 1, 1, "a^2b", 0, 3},
        // No code in or before the selection: white is restored after it.
        {"abcd", 1, 2, "a^2b^7cd", 0, 4},
        {"abcd", 1, 3, "a^2bc^7d", 0, 5},
        {"abcde", 1, 4, "a^2bcd^7e", 0, 6},
        // The colour in force before the selection comes back after it.
        {"^4abcd", 3, 5, "^4a^2bc^4d", 0, 7},
        // Nothing follows the selection, so nothing is restored.
        {"abcd", 0, 4, "^2abcd", 0, 6},
        // The selection's own codes go, with a beep; the last of them is restored.
        {"ab^1cd", 1, 5, "a^2bc^1d", 1, 5},
        {"x^1^3by", 1, 6, "x^2b^3y", 1, 4},
        // A code right after the selection, or cut by its end, moves behind the new one.
        {"ab^1c", 1, 2, "a^2b^1c", 1, 4},
        {"ab^1c", 1, 3, "a^2b^1c", 1, 4},
    };
    for (const auto& c : cases) {
        FakeEditBox box(c.name, c.start, c.end);
        glimtags::insertColourCode(box, "^2");
        EXPECT_EQ(box.bytes(), c.result) << c.name;
        EXPECT_EQ(box.beeps, c.beeps) << c.name;
        EXPECT_EQ(box.selectionStart(), c.caret) << c.name;
        EXPECT_EQ(box.selectionEnd(), c.caret) << c.name;
        EXPECT_GT(box.scrolls, 0) << c.name;
    }
}

TEST(Palette, InsertionsNeverGrowTheNamePast255Bytes)
{
    FakeEditBox full(std::string(255, 'a'));
    glimtags::insertSpecialByte(full, 1);
    glimtags::insertColourCode(full, "^1");
    EXPECT_EQ(full.beeps, 2);
    EXPECT_TRUE(full.changes.empty());

    FakeEditBox almost(std::string(254, 'a'));
    glimtags::insertColourCode(almost, "^1");
    EXPECT_EQ(almost.beeps, 1);
    glimtags::insertSpecialByte(almost, 1);
    EXPECT_EQ(almost.bytes().size(), 255u);

    // Colouring needs room for the code and the restored one, or nothing happens.
    FakeEditBox colouring(std::string(252, 'a'), 10, 20);
    glimtags::insertColourCode(colouring, "^1");
    EXPECT_EQ(colouring.beeps, 1);
    EXPECT_TRUE(colouring.changes.empty());

    // Removing the selection's own code makes the room.
    FakeEditBox freed(std::string(10, 'a') + "^2" + std::string(241, 'b'), 5, 15);
    glimtags::insertColourCode(freed, "^1");
    EXPECT_EQ(freed.bytes(), std::string(5, 'a') + "^1" + std::string(5, 'a') + "bbb^2" + std::string(238, 'b'));
}
