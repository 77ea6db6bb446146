#include "ui/name_box_history.h"

namespace glimtags {

void NameBoxHistory::noteState(const BoxState& state, bool caretMoved)
{
    if (openSteps_ > 0)
        return;
    before_ = state;
    nextKind_ = ChangeKind::Other;
    if (caretMoved)
        history_.endTyping();
}

void NameBoxHistory::changed(const BoxState& now)
{
    // Inside a step, the state before its first change is kept for the step's end.
    if (openSteps_ > 0)
        return;
    history_.record(before_, now, nextKind_);
    nextKind_ = ChangeKind::Other;
    before_ = now;
}

void NameBoxHistory::endStep(const BoxState& now)
{
    if (openSteps_ == 0 || --openSteps_ > 0)
        return;
    history_.record(before_, now, ChangeKind::Other);
    nextKind_ = ChangeKind::Other;
    before_ = now;
}

std::optional<BoxState> NameBoxHistory::undo()
{
    std::optional<BoxState> state = history_.undo();
    if (state)
        before_ = *state;
    return state;
}

std::optional<BoxState> NameBoxHistory::redo()
{
    std::optional<BoxState> state = history_.redo();
    if (state)
        before_ = *state;
    return state;
}

} // namespace glimtags
