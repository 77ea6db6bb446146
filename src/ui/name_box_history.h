#pragma once

#include "core/edit_history.h"

#include <optional>

namespace glimtags {

// The name box's Undo and Redo: which change was typing, which belongs to the one
// before it, and which edits of several changes make one step.
class NameBoxHistory {
public:
    // The box before any change: its state, refreshed whenever the caret moves.
    void noteState(const BoxState& state, bool caretMoved);
    // The next change is a character typed at the caret, or the second half of one key.
    void expectTyping() { nextKind_ = ChangeKind::Typed; }
    void expectJoin() { nextKind_ = ChangeKind::JoinPrevious; }
    // A change of the box's text, which now shows the state.
    void changed(const BoxState& now);
    // Every change until the step ends makes one step.
    void beginStep() { ++openSteps_; }
    void endStep(const BoxState& now);

    std::optional<BoxState> undo();
    std::optional<BoxState> redo();

private:
    EditHistory history_;
    BoxState before_;
    ChangeKind nextKind_ = ChangeKind::Other;
    int openSteps_ = 0;
};

} // namespace glimtags
