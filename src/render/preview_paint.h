#pragma once

#include "core/name_text.h"
#include "render/preview_view.h"

#include <optional>

namespace glimtags {

// Everything one paint of the preview needs: the name, the name box selection as byte
// positions (the start is the caret), the two limit flags and the four options.
struct PreviewState {
    NameText name;
    int selectionStart = 0;
    int selectionEnd = 0;
    bool nameLonger = false;
    bool inGameLimitExceeded = false;
    bool enableStripe = false;
    bool enableTextCursor = true;
    bool inGameLimit = true;
    bool charInfo = true;
    // What a server makes of the name, when the preview shows it: drawn above the name
    // by the game's colour rule.
    std::optional<NameText> serverName;
};

// A state for the name with both limit flags measured from it; selection and options at defaults.
PreviewState previewStateFor(const NameText& name);

// Draws the whole preview in paint order; the caller swaps the buffers.
void paintPreview(PreviewView& view, const PreviewState& state, int width, int height);

} // namespace glimtags
