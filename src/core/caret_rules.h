#pragma once

#include "core/name_edit_box.h"

namespace glimtags {

enum class BoxEvent { Right, Left, Up, Down, Home, End, Delete, Backspace, ButtonDown, MouseMove, ButtonUp, OtherKey };

struct CaretRuleResult {
    // The rule did the event's whole work: the box must not handle it as well.
    bool handled = false;
    bool repaint = false;
};

// Keeps the caret out of the middle of a colour code: the arrows step over a code, with
// Shift the selection's moving end too; Delete and Backspace remove a code whole (the
// rule deletes one byte of it and the box's own handling of the key the other); and a
// click never leaves the caret between a caret and its code byte. Runs before the
// box's own handling.
CaretRuleResult applyCaretRule(NameEditBox& box, BoxEvent event, bool shift, bool dragging);

} // namespace glimtags
