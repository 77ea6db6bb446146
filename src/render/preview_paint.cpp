#include "render/preview_paint.h"

#include "core/name_script.h"

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
    const int startColumn = visibleColumn(state.name, state.selectionStart);
    view.renderFrame(state.name, width, height, state.nameLonger, state.enableStripe);
    if (state.serverName)
        view.drawServerName(*state.serverName);
    view.drawSelection(startColumn, visibleColumn(state.name, state.selectionEnd));
    if (!state.nameLonger && state.enableTextCursor)
        view.drawTextCursor(startColumn);
    if (state.inGameLimit)
        view.drawLimitGuide();
    if (!state.nameLonger && state.charInfo)
        view.drawCharacterInfo(state.name, state.selectionStart);
    if (state.inGameLimitExceeded)
        view.drawLimitNotice();
}

} // namespace glimtags
