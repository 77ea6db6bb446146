#pragma once

#include "core/box_state.h"

#include <optional>

namespace glimtags {

// Effects over the bytes [start, end) of the name; start == end means the whole name.
// Each gives the new name with the changed bytes selected.

// Every colour code (by the drawing rule) that starts in the range goes; a code that
// starts at the range's last byte takes its code byte with it.
BoxState removeColourCodes(const NameText& name, int start, int end);

// Every glyph of the range but a space gets the next colour of red, yellow, green,
// cyan, blue, magenta; the range's own codes go. When text follows, the colour in force
// there before comes back behind the range. Nothing when the result passes 255 bytes.
std::optional<BoxState> rainbow(const NameText& name, int start, int end);

} // namespace glimtags
