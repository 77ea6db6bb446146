#include "core/caret_rules.h"

#include "support/fake_edit_box.h"

#include <gtest/gtest.h>

using E = glimtags::BoxEvent;

namespace {

// Each event as the user causes it: the rule first, then the box's own handling.
void press(glimtags::test::FakeEditBox& box, E event, bool shift)
{
    if (glimtags::applyCaretRule(box, event, shift, false).handled)
        return;
    if (event == E::Right) box.pressRight(shift);
    if (event == E::Left) box.pressLeft(shift);
    if (event == E::Delete) box.pressDelete();
    if (event == E::Backspace) box.pressBackspace();
}

} // namespace

// Keys R and L are the arrows, r and l the arrows with Shift.
TEST(CaretRules, TheArrowsMoveTheCaretAndTheSelectionsMovingEndOverACode)
{
    const struct { const char* text; int anchor, caret; const char* keys; int afterAnchor, afterCaret; } cases[] = {
        {"x^1y", 1, 1, "R", 3, 3},
        {"x^1y", 1, 1, "RL", 1, 1},
        {"x^1y", 1, 1, "L", 0, 0},
        {"x^", 1, 1, "R", 2, 2},
        {"abc", 1, 1, "R", 2, 2},
        {"x^", 1, 1, "r", 1, 2},
        {"ab^1c", 0, 0, "rrr", 0, 4},
        {"x^1yz", 1, 1, "rrr", 1, 5},
        {"a^1b", 4, 4, "ll", 4, 1},
        // The moving end comes back over the code it passed.
        {"a^1b", 1, 1, "rrll", 1, 1},
        {"a^1b", 4, 4, "llr", 4, 3},
        // Without Shift a selection ends at its side of the arrow, never inside a code.
        {"^1ab", 4, 0, "R", 4, 4},
        {"ab^1", 0, 4, "L", 0, 0},
    };
    for (const auto& c : cases) {
        glimtags::test::FakeEditBox box(c.text, c.anchor, c.caret);
        for (const char key : std::string(c.keys))
            press(box, key == 'R' || key == 'r' ? E::Right : E::Left, key == 'r' || key == 'l');
        const std::string what = std::string(c.text) + " keys " + c.keys;
        EXPECT_EQ(box.bytes(), c.text) << what;
        EXPECT_EQ(box.caretPosition(), c.afterCaret) << what;
        EXPECT_EQ(box.selectionStart() + box.selectionEnd() - box.caretPosition(), c.afterAnchor) << what;
    }
}

TEST(CaretRules, DeletionsTakeAWholeCodeAndAClickNeverEndsInsideOne)
{
    const struct { const char* text; int start, end; E event; const char* after; int afterStart, afterEnd; }
    cases[] = {
        {"a^1b", 1, 1, E::Delete, "ab", 1, 1},
        {"a^1b", 3, 3, E::Backspace, "ab", 1, 1},
        {"a^1b", 2, 2, E::Backspace, "a1b", 1, 1},
        {"^1", 0, 0, E::Backspace, "^1", 0, 0},
        // With a selection both keys delete just the selection.
        {"a^1b", 1, 2, E::Delete, "a1b", 1, 1},
        {"a^1b", 2, 3, E::Backspace, "a^b", 2, 2},
        // A click or a drag that ends between a caret and its code byte.
        {"a^1b", 2, 2, E::ButtonUp, "a^1b", 1, 1},
        {"ab^1c", 0, 3, E::ButtonUp, "ab^1c", 2, 2},
        {"a^1bc", 2, 4, E::ButtonUp, "a^1bc", 1, 1},
        {"^1", 0, 0, E::ButtonUp, "^1", 0, 0},
        {"a^1", 3, 3, E::ButtonUp, "a^1", 3, 3},
    };
    for (const auto& c : cases) {
        glimtags::test::FakeEditBox box(c.text, c.start, c.end);
        press(box, c.event, false);
        const std::string what = std::string(c.text) + " event " + std::to_string(static_cast<int>(c.event));
        EXPECT_EQ(box.bytes(), c.after) << what;
        EXPECT_EQ(box.selectionStart(), c.afterStart) << what;
        EXPECT_EQ(box.selectionEnd(), c.afterEnd) << what;
        if (c.event == E::ButtonUp) {
            EXPECT_EQ(box.scrolls, c.afterStart != c.start) << what << ": a moved caret is scrolled into view";
        }
    }
}

// Left to the box, Up and Down would move the focus out of the one-line box.
TEST(CaretRules, UpAndDownOnlyRepaint)
{
    glimtags::test::FakeEditBox box("ab", 1);
    for (E event : {E::Up, E::Down}) {
        const glimtags::CaretRuleResult result = glimtags::applyCaretRule(box, event, false, false);
        EXPECT_TRUE(result.handled && result.repaint);
    }
    EXPECT_EQ(box.selectionStart(), 1);
}
