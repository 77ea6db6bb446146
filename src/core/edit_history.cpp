#include "core/edit_history.h"

namespace glimtags {

bool EditHistory::continuesTyping(const BoxState& before, const BoxState& after) const
{
    if (!lastStepOpen_ || !steps_.back().typing || before != steps_.back().after)
        return false;
    const int caret = before.selectionEnd;
    const bool oneByteAtCaret = before.selectionStart == caret && after.selectionStart == caret + 1 &&
                                after.selectionEnd == caret + 1 && after.name.length() == before.name.length() + 1;
    if (!oneByteAtCaret)
        return false;
    // A blank after a word starts the next word's step.
    return !(after.name.at(caret) == ' ' && before.name.at(caret - 1) != ' ');
}

void EditHistory::record(const BoxState& before, const BoxState& after, ChangeKind kind)
{
    if (before.name == after.name)
        return;
    if ((kind == ChangeKind::JoinPrevious && lastStepOpen_) ||
        (kind == ChangeKind::Typed && continuesTyping(before, after))) {
        steps_.back().after = after;
        return;
    }
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back({before, after, kind == ChangeKind::Typed});
    if (steps_.size() > kKeptSteps)
        steps_.pop_front();
    done_ = steps_.size();
    lastStepOpen_ = true;
}

std::optional<BoxState> EditHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    lastStepOpen_ = false;
    return steps_[--done_].before;
}

std::optional<BoxState> EditHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    lastStepOpen_ = false;
    return steps_[done_++].after;
}

} // namespace glimtags
