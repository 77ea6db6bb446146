#include "render/preview_paint.h"

#include "core/game_glyphs.h"
#include "core/name_script.h"
#include "render/gl_frame.h"

namespace glimtags {

PreviewState previewStateFor(const NameText& name)
{
    PreviewState state;
    state.name = name;
    state.nameLonger = !fitsSaveLimit(name);
    state.inGameLimitExceeded = exceedsInGameLimit(name);
    return state;
}

void paintPreview(PreviewView& view, const PreviewState& state, int width, int height)
{
    const GlFrame frame(width, height);
    const int startColumn = gameGlyphColumn(state.name, state.selectionStart);
    view.renderFrame(frame, state.name, state.nameLonger, state.enableStripe);
    if (state.serverName)
        view.drawServerName(frame, *state.serverName);
    view.drawSelection(frame, startColumn, gameGlyphColumn(state.name, state.selectionEnd));
    if (!state.nameLonger && state.enableTextCursor)
        view.drawTextCursor(frame, startColumn);
    if (state.inGameLimit)
        view.drawLimitGuide(frame);
    if (!state.nameLonger && state.charInfo)
        view.drawCharacterInfo(frame, state.name, state.selectionStart);
    if (state.inGameLimitExceeded)
        view.drawLimitNotice(frame);
}

} // namespace glimtags
