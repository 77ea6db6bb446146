#include "core/caret_rules.h"

#include "support/fake_edit_box.h"

#include <gtest/gtest.h>

using E = glimtags::BoxEvent;

// Each event as the user causes it: the rule first, then the box's own handling.
TEST(CaretRules, TheCaretNeverStopsInsideACode)
{
    const struct { const char* text; int start, end; E event; bool shift; const char* after; int afterStart, afterEnd; }
    cases[] = {
        {"x^1y", 1, 1, E::Right, false, "x^1y", 3, 3},
        {"x^1y", 1, 1, E::Right, true, "x^1y", 1, 3},
        {"x^", 1, 1, E::Right, false, "x^", 2, 2},
        {"x^", 1, 1, E::Right, true, "x^", 1, 2},
        {"abc", 1, 1, E::Right, false, "abc", 2, 2},
        {"x^1y", 3, 3, E::Left, false, "x^1y", 1, 1},
        {"x^1y", 1, 1, E::Left, false, "x^1y", 0, 0},
        {"a^1b", 1, 1, E::Delete, false, "ab", 1, 1},
        {"a^1b", 3, 3, E::Backspace, false, "ab", 1, 1},
        {"a^1b", 2, 2, E::Backspace, false, "a1b", 1, 1},
        {"^1", 0, 0, E::Backspace, false, "^1", 0, 0},
        // With a selection both keys delete just the selection.
        {"a^1b", 1, 2, E::Delete, false, "a1b", 1, 1},
        {"a^1b", 2, 3, E::Backspace, false, "a^b", 2, 2},
        // A click or a drag that ends between a caret and its code byte.
        {"a^1b", 2, 2, E::ButtonUp, false, "a^1b", 1, 1},
        {"ab^1c", 0, 3, E::ButtonUp, false, "ab^1c", 2, 2},
        {"a^1bc", 2, 4, E::ButtonUp, false, "a^1bc", 1, 1},
        {"^1", 0, 0, E::ButtonUp, false, "^1", 0, 0},
        {"a^1", 3, 3, E::ButtonUp, false, "a^1", 3, 3},
    };
    for (const auto& c : cases) {
        glimtags::test::FakeEditBox box(c.text, c.start, c.end);
        if (!glimtags::applyCaretRule(box, c.event, c.shift, false).handled) {
            if (c.event == E::Right) box.pressRight();
            if (c.event == E::Left) box.pressLeft();
            if (c.event == E::Delete) box.pressDelete();
            if (c.event == E::Backspace) box.pressBackspace();
        }
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
