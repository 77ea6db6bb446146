#include "core/caret_rules.h"
#include "core/name_characters.h"

#include "support/fake_edit_box.h"

#include <gtest/gtest.h>

using glimtags::BoxEvent;
using glimtags::test::FakeEditBox;

namespace {

// A key as the user presses it: the rule first, then the box's own handling.
void press(FakeEditBox& box, BoxEvent key, bool shift = false)
{
    if (glimtags::applyCaretRule(box, key, shift, false).handled)
        return;
    switch (key) {
    case BoxEvent::Right: box.pressRight(); break;
    case BoxEvent::Left: box.pressLeft(); break;
    case BoxEvent::Delete: box.pressDelete(); break;
    case BoxEvent::Backspace: box.pressBackspace(); break;
    default: break;
    }
}

} // namespace

TEST(CaretRules, ArrowsStepOverACode)
{
    FakeEditBox box("x^1y", 1);
    press(box, BoxEvent::Right);
    EXPECT_EQ(box.selectionStart(), 3);
    press(box, BoxEvent::Left);
    EXPECT_EQ(box.selectionStart(), 1);
    press(box, BoxEvent::Left);
    EXPECT_EQ(box.selectionStart(), 0);
    press(box, BoxEvent::Left);
    EXPECT_EQ(box.selectionStart(), 0);

    FakeEditBox plain("abc", 1);
    press(plain, BoxEvent::Right);
    EXPECT_EQ(plain.selectionStart(), 2);
    press(plain, BoxEvent::Left);
    EXPECT_EQ(plain.selectionStart(), 1);
}

TEST(CaretRules, ShiftRightSelectsTheWholeCode)
{
    FakeEditBox box("x^1y", 1);
    press(box, BoxEvent::Right, true);
    EXPECT_EQ(box.selectionStart(), 1);
    EXPECT_EQ(box.selectionEnd(), 3);

    // A caret as the last byte: the step ends at the end of the text.
    FakeEditBox trailing("x^", 1);
    press(trailing, BoxEvent::Right);
    EXPECT_EQ(trailing.selectionStart(), 2);
}

TEST(CaretRules, DeleteAndBackspaceRemoveAWholeCode)
{
    FakeEditBox del("a^1b", 1);
    press(del, BoxEvent::Delete);
    EXPECT_EQ(del.bytes(), "ab");
    EXPECT_EQ(del.selectionStart(), 1);

    FakeEditBox back("a^1b", 3);
    press(back, BoxEvent::Backspace);
    EXPECT_EQ(back.bytes(), "ab");
    EXPECT_EQ(back.selectionStart(), 1);

    // With a selection both keys behave as usual.
    FakeEditBox selected("a^1b", 1, 2);
    press(selected, BoxEvent::Delete);
    EXPECT_EQ(selected.bytes(), "a1b");
    FakeEditBox selectedBack("a^1b", 2, 3);
    press(selectedBack, BoxEvent::Backspace);
    EXPECT_EQ(selectedBack.bytes(), "a^b");

    // At the start nothing is looked at before the text.
    FakeEditBox start("^1", 0);
    press(start, BoxEvent::Backspace);
    EXPECT_EQ(start.bytes(), "^1");
}

TEST(CaretRules, ButtonUpNeverLeavesTheCaretInsideACode)
{
    FakeEditBox between("a^1b", 2);
    EXPECT_FALSE(glimtags::applyCaretRule(between, BoxEvent::ButtonUp, false, false).repaint);
    EXPECT_EQ(between.selectionStart(), 1);
    EXPECT_EQ(between.selectionEnd(), 1);
    EXPECT_EQ(between.scrolls, 1);

    // A drag that ends inside a code.
    FakeEditBox dragged("ab^1c", 0, 3);
    glimtags::applyCaretRule(dragged, BoxEvent::ButtonUp, false, false);
    EXPECT_EQ(dragged.selectionStart(), 2);
    EXPECT_EQ(dragged.selectionEnd(), 2);

    FakeEditBox atStart("^1", 0);
    glimtags::applyCaretRule(atStart, BoxEvent::ButtonUp, false, false);
    EXPECT_EQ(atStart.selectionStart(), 0);
    EXPECT_EQ(atStart.scrolls, 0);
}

TEST(CaretRules, Repaints)
{
    FakeEditBox box("ab");
    for (BoxEvent event : {BoxEvent::Up, BoxEvent::Down, BoxEvent::Home, BoxEvent::End, BoxEvent::ButtonDown,
                           BoxEvent::Right, BoxEvent::Left, BoxEvent::Delete, BoxEvent::Backspace})
        EXPECT_TRUE(glimtags::applyCaretRule(box, event, false, false).repaint);
    EXPECT_TRUE(glimtags::applyCaretRule(box, BoxEvent::MouseMove, false, true).repaint);
    EXPECT_FALSE(glimtags::applyCaretRule(box, BoxEvent::MouseMove, false, false).repaint);
    EXPECT_FALSE(glimtags::applyCaretRule(box, BoxEvent::OtherKey, false, false).repaint);
    EXPECT_EQ(box.bytes(), "ab");
}

TEST(NameCharacters, OneCharacterPerByte)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char32_t shown = glimtags::displayCharacter(static_cast<unsigned char>(byte));
        EXPECT_EQ(glimtags::byteForCharacter(shown), byte);
    }
    EXPECT_EQ(glimtags::displayCharacter(1), U'\u2401');
    EXPECT_EQ(glimtags::displayCharacter('A'), U'A');
    EXPECT_EQ(glimtags::displayCharacter(0xe9), U'\u00e9');
    for (char32_t refused : {U'\u20ac', U'\u2400', U'\u2420', U'\U0001F600', U'\0', U'\t'})
        EXPECT_FALSE(glimtags::byteForCharacter(refused).has_value()) << static_cast<unsigned>(refused);
}
