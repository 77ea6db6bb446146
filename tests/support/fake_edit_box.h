#pragma once

#include "core/name_edit_box.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glimtags::test {

// An edit box that behaves like the platform's: setting the text puts the caret at 0,
// replacing the selection leaves the caret after the new text, the arrows move the
// caret and with Shift only the selection's moving end, and every change is logged.
class FakeEditBox : public NameEditBox {
public:
    explicit FakeEditBox(std::string text = {}, int anchor = -1, int caret = -1)
        : text_(std::move(text))
    {
        anchor_ = anchor < 0 ? length() : anchor;
        caret_ = caret < 0 ? anchor_ : caret;
    }

    NameText text() const override { return NameText(text_); }
    int selectionStart() const override { return std::min(anchor_, caret_); }
    int selectionEnd() const override { return std::max(anchor_, caret_); }
    int caretPosition() const override { return caret_; }
    void setSelection(int anchor, int caret) override
    {
        anchor_ = anchor;
        caret_ = caret;
    }
    void replaceSelection(std::string_view bytes) override
    {
        const int start = selectionStart();
        text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(selectionEnd() - start), bytes);
        anchor_ = caret_ = start + static_cast<int>(bytes.size());
        changes.push_back(text_);
    }
    void setText(const NameText& text) override
    {
        text_ = text.bytes();
        anchor_ = caret_ = 0;
        changes.push_back(text_);
    }
    void scrollCaretIntoView() override { ++scrolls; }
    void beep() override { ++beeps; }

    // The box's own handling of the keys the rules leave to it. Without Shift an arrow
    // first drops a selection at its end on the arrow's side.
    void pressRight(bool shift = false) { pressArrow(shift, +1); }
    void pressLeft(bool shift = false) { pressArrow(shift, -1); }
    void pressDelete()
    {
        if (anchor_ != caret_)
            replaceSelection("");
        else if (caret_ < length())
            text_.erase(static_cast<std::size_t>(caret_), 1), changes.push_back(text_);
    }
    void pressBackspace()
    {
        if (anchor_ != caret_) {
            replaceSelection("");
        } else if (caret_ > 0) {
            text_.erase(static_cast<std::size_t>(--caret_), 1);
            anchor_ = caret_;
            changes.push_back(text_);
        }
    }

    const std::string& bytes() const { return text_; }

    std::vector<std::string> changes;
    int scrolls = 0;
    int beeps = 0;

private:
    int length() const { return static_cast<int>(text_.size()); }
    void pressArrow(bool shift, int step)
    {
        if (!shift && anchor_ != caret_)
            caret_ = step > 0 ? selectionEnd() : selectionStart();
        else
            caret_ = std::clamp(caret_ + step, 0, length());
        if (!shift)
            anchor_ = caret_;
    }

    std::string text_;
    int anchor_ = 0;
    int caret_ = 0;
};

} // namespace glimtags::test
