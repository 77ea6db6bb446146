#pragma once

#include "core/name_edit_box.h"

#include <string>
#include <vector>

namespace glimtags::test {

// An edit box that behaves like the platform's: setting the text puts the caret at 0,
// replacing the selection leaves the caret after the new text, and every change is logged.
class FakeEditBox : public NameEditBox {
public:
    explicit FakeEditBox(std::string text = {}, int start = -1, int end = -1)
        : text_(std::move(text))
    {
        start_ = start < 0 ? static_cast<int>(text_.size()) : start;
        end_ = end < 0 ? start_ : end;
    }

    NameText text() const override { return NameText(text_); }
    int selectionStart() const override { return start_; }
    int selectionEnd() const override { return end_; }
    void setSelection(int start, int end) override
    {
        start_ = start;
        end_ = end;
    }
    void replaceSelection(std::string_view bytes) override
    {
        text_.replace(static_cast<std::size_t>(start_), static_cast<std::size_t>(end_ - start_), bytes);
        start_ = end_ = start_ + static_cast<int>(bytes.size());
        changes.push_back(text_);
    }
    void setText(const NameText& text) override
    {
        text_ = text.bytes();
        start_ = end_ = 0;
        changes.push_back(text_);
    }
    void scrollCaretIntoView() override { ++scrolls; }
    void beep() override { ++beeps; }

    // The box's own handling of the keys the rules leave to it.
    void pressRight()
    {
        start_ = end_ = std::min(end_ + 1, static_cast<int>(text_.size()));
    }
    void pressLeft() { start_ = end_ = std::max(start_ - 1, 0); }
    void pressDelete()
    {
        if (start_ != end_)
            replaceSelection("");
        else if (start_ < static_cast<int>(text_.size()))
            text_.erase(static_cast<std::size_t>(start_), 1), changes.push_back(text_);
    }
    void pressBackspace()
    {
        if (start_ != end_) {
            replaceSelection("");
        } else if (start_ > 0) {
            text_.erase(static_cast<std::size_t>(--start_), 1);
            end_ = start_;
            changes.push_back(text_);
        }
    }

    const std::string& bytes() const { return text_; }

    std::vector<std::string> changes;
    int scrolls = 0;
    int beeps = 0;

private:
    std::string text_;
    int start_ = 0;
    int end_ = 0;
};

} // namespace glimtags::test
