#pragma once

#include "core/name_text.h"

#include <string_view>

namespace glimtags {

// What the palette and the caret rules need of the name's edit box. Positions are
// byte positions; every change of the text is reported by the box as a change of the name.
class NameEditBox {
public:
    virtual ~NameEditBox() = default;
    // The box's copy of the name.
    virtual NameText text() const = 0;
    // The selection's ends in order; they are equal when nothing is selected.
    virtual int selectionStart() const = 0;
    virtual int selectionEnd() const = 0;
    // The end of the selection that the arrows move, where the caret stands.
    virtual int caretPosition() const = 0;
    // Selects the bytes between the two positions; the caret stands at the second.
    virtual void setSelection(int anchor, int caret) = 0;
    virtual void replaceSelection(std::string_view bytes) = 0;
    // Replaces the whole text; the caret goes to position 0.
    virtual void setText(const NameText& text) = 0;
    virtual void scrollCaretIntoView() = 0;
    virtual void beep() = 0;
};

} // namespace glimtags
