#pragma once

#include "core/name_text.h"

namespace glimtags {

// What the name box shows: the name and its selection [start, end); the caret stands at end.
struct BoxState {
    NameText name;
    int selectionStart = 0;
    int selectionEnd = 0;
    bool operator==(const BoxState&) const = default;
};

} // namespace glimtags
