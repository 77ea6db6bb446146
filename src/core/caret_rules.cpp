#include "core/caret_rules.h"

#include <algorithm>

namespace glimtags {

CaretRuleResult applyCaretRule(NameEditBox& box, BoxEvent event, bool shift, bool dragging)
{
    const NameText text = box.text();
    const int start = box.selectionStart();
    const int end = box.selectionEnd();
    const bool nothingSelected = start == end;
    // With Shift an arrow moves the selection's caret end alone. Without it the box first
    // drops a selection at one of its ends, which never lie inside a code.
    const int caret = box.caretPosition();
    const int anchor = caret == start ? end : start;
    const bool caretSteps = shift || nothingSelected;

    switch (event) {
    case BoxEvent::Right: {
        if (!caretSteps || !startsCode(text, caret))
            return {false, true};
        const int past = std::min(caret + 2, text.length());
        box.setSelection(shift ? anchor : past, past);
        return {true, true};
    }
    case BoxEvent::Left:
        if (!caretSteps || caret < 2 || !startsCode(text, caret - 2))
            return {false, true};
        box.setSelection(shift ? anchor : caret - 2, caret - 2);
        return {true, true};
    case BoxEvent::Up:
    case BoxEvent::Down:
        // The box has no lines to move between; left to itself the key moves the focus away.
        return {true, true};
    case BoxEvent::Home:
    case BoxEvent::End:
    case BoxEvent::ButtonDown:
        return {false, true};
    case BoxEvent::Delete:
        if (nothingSelected && startsCode(text, start)) {
            box.setSelection(start, start + 1);
            box.replaceSelection("");
        }
        return {false, true};
    case BoxEvent::Backspace:
        if (nothingSelected && start >= 2 && startsCode(text, start - 2)) {
            box.setSelection(start - 1, start);
            box.replaceSelection("");
        }
        return {false, true};
    case BoxEvent::MouseMove:
        return {false, dragging};
    case BoxEvent::ButtonUp:
        for (const int position : {start, end}) {
            if (position >= 1 && startsCode(text, position - 1)) {
                box.setSelection(position - 1, position - 1);
                box.scrollCaretIntoView();
                break;
            }
        }
        return {false, false};
    case BoxEvent::OtherKey:
        return {};
    }
    return {};
}

} // namespace glimtags
