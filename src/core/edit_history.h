#pragma once

#include "core/box_state.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace glimtags {

enum class ChangeKind {
    // One character typed at the caret; typing of one word makes one step.
    Typed,
    // The second change of one action (Delete taking a colour code in two deletions).
    JoinPrevious,
    // Any other change (palette, paste, cut, a colour effect, Open, New) is a step of its own.
    Other,
};

// The Undo and Redo steps of the name box. Lives as long as the box; an Open is a step too.
class EditHistory {
public:
    static constexpr std::size_t kKeptSteps = 200;

    // A change that leaves the name as it was is no step.
    void record(const BoxState& before, const BoxState& after, ChangeKind kind);
    // The state to restore; nothing at either end.
    std::optional<BoxState> undo();
    std::optional<BoxState> redo();
    // The caret moved by a key or the mouse: the next typed character starts a step.
    void endTyping() { lastStepOpen_ = false; }
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }

private:
    struct Step {
        BoxState before;
        BoxState after;
        bool typing;
    };

    bool continuesTyping(const BoxState& before, const BoxState& after) const;

    std::deque<Step> steps_;
    // Steps [0, done_) are in effect; the rest wait for Redo.
    std::size_t done_ = 0;
    // Only a record can be joined: an undo, a redo or a caret move in between closes the last step.
    bool lastStepOpen_ = false;
};

} // namespace glimtags
