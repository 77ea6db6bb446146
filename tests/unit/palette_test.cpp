#include "core/palette.h"

#include "support/fake_edit_box.h"

#include <gtest/gtest.h>

using glimtags::test::FakeEditBox;

namespace {

struct ColouringCase {
    const char* name;
    int start;
    int end;
    const char* code;
    const char* result;
    int beeps;
    int caret;
};

} // namespace

TEST(Palette, ColourCodeAtTheCaret)
{
    FakeEditBox box("ab");
    glimtags::insertColourCode(box, "^1");
    EXPECT_EQ(box.bytes(), "ab^1");
    EXPECT_EQ(box.selectionStart(), 4);
    EXPECT_EQ(box.selectionEnd(), 4);

    FakeEditBox middle("ab", 1);
    glimtags::insertColourCode(middle, "^5");
    EXPECT_EQ(middle.bytes(), "a^5b");
    EXPECT_EQ(middle.selectionStart(), 3);
    EXPECT_GT(middle.scrolls, 0);
}

TEST(Palette, ColouringASelection)
{
    const ColouringCase cases[] = {
        // No code in or before the selection: white is restored after it.
        {"abcd", 1, 3, "^2", "a^2bc^7d", 0, 6},
        // The blue in force before the selection comes back after it.
        {"^4abcd", 3, 5, "^2", "^4a^2bc^4d", 0, 0},
        // The whole name: nothing follows, so nothing is restored.
        {"abcd", 0, 4, "^2", "^2abcd", 0, 5},
        // A code inside the selection goes, and comes back after it, with a beep.
        {"ab^1cd", 1, 5, "^3", "a^3bc^1d", 1, 5},
        // Adjacent codes both go; the last of them is restored.
        {"x^1^2by", 1, 6, "^7", "x^7b^2y", 1, 6},
        // A code right after the selection is taken out and put back behind it.
        {"ab^1c", 1, 2, "^2", "a^2b^1c", 1, 2},
        // The caret in front of a code byte belongs to the selection; the code goes whole.
        {"ab^1c", 1, 3, "^2", "a^2b^1c", 1, 3},
    };
    for (const ColouringCase& c : cases) {
        FakeEditBox box(c.name, c.start, c.end);
        glimtags::insertColourCode(box, c.code);
        EXPECT_EQ(box.bytes(), c.result) << c.name;
        EXPECT_EQ(box.beeps, c.beeps) << c.name;
        EXPECT_EQ(box.selectionStart(), c.caret) << c.name;
        EXPECT_EQ(box.selectionEnd(), c.caret) << c.name;
    }
}

TEST(Palette, SpecialByteGoesInFrontOfTheSelection)
{
    FakeEditBox box("abcd", 1, 3);
    glimtags::insertSpecialByte(box, 0x19);
    EXPECT_EQ(box.bytes(), "a\x19"
                           "bcd");
    EXPECT_EQ(box.selectionStart(), 2);
    EXPECT_EQ(box.selectionEnd(), 2);
    EXPECT_EQ(box.changes.size(), 1u);
}

TEST(Palette, InsertionsNeverGrowTheNamePast255Bytes)
{
    FakeEditBox full(std::string(255, 'a'));
    glimtags::insertSpecialByte(full, 1);
    glimtags::insertColourCode(full, "^1");
    EXPECT_EQ(full.bytes(), std::string(255, 'a'));
    EXPECT_EQ(full.beeps, 2);
    EXPECT_TRUE(full.changes.empty());

    FakeEditBox almost(std::string(254, 'a'));
    glimtags::insertColourCode(almost, "^1");
    EXPECT_EQ(almost.beeps, 1);
    glimtags::insertSpecialByte(almost, 1);
    EXPECT_EQ(almost.bytes().size(), 255u);

    // Colouring needs room for the code and the restored code, or nothing happens.
    FakeEditBox colouring(std::string(252, 'a'), 10, 20);
    glimtags::insertColourCode(colouring, "^1");
    EXPECT_EQ(colouring.bytes(), std::string(252, 'a'));
    EXPECT_EQ(colouring.beeps, 1);

    // Removing the selection's own code makes the room.
    FakeEditBox freed(std::string(10, 'a') + "^2" + std::string(241, 'b'), 5, 15);
    glimtags::insertColourCode(freed, "^1");
    EXPECT_EQ(freed.bytes().size(), 255u);
    EXPECT_EQ(freed.bytes().substr(5, 2), "^1");
}
