#include "preview_drawing.h"

#include "offscreen_gl.h"

#include "core/game_name.h"
#include "core/language_table.h"
#include "core/preview_labels.h"
#include "render/preview_paint.h"
#include "render/preview_view.h"
#include "platform/game_font.h"
#include "render/tga_image.h"

#include <memory>
#include <stdexcept>

namespace glimtags::tools {
namespace {

PreviewState stateFor(const PreviewOptions& options)
{
    PreviewState state = previewStateFor(NameText(options.name));
    state.selectionStart = options.selectionStart;
    state.selectionEnd = options.selectionEnd;
    state.enableStripe = options.stripe;
    state.enableTextCursor = options.cursor;
    state.charInfo = options.charInfo;
    state.inGameLimit = options.guide;
    if (options.gameRules)
        state.serverName = serverNameIfChanged(state.name, options.game);
    return state;
}

} // namespace

DrawnPreview drawPreview(const PreviewOptions& options)
{
    DrawnPreview drawn;
    std::unique_ptr<OffscreenGl> offscreen;
    try {
        offscreen = std::make_unique<OffscreenGl>(kPreviewWidth, kPreviewHeight);
    } catch (const std::runtime_error& error) {
        drawn.error = error.what();
        return drawn;
    }
    TgaImage font;
    if (!options.gameFolder.empty()) {
        const platform::GameFontSearch game = platform::findGameFont(platform::gameDataFolders(options.gameFolder));
        if (game.outcome == platform::GameFontSearch::Outcome::Found && font.decode(game.bytes))
            drawn.warning = "drawn with " + game.source;
        else
            drawn.warning = "no usable game font (" + (game.reason.empty() ? game.source : game.reason) + "); " +
                options.font + " instead";
    }
    if (font.pixels.empty())
        if (const Outcome loaded = font.load(options.font); !loaded)
            drawn.warning = "font " + options.font + " did not load (error " + std::to_string(loaded.code) +
                "); glyphs show as squares";
    TgaImage background;
    if (!background.load(options.background)) {
        drawn.error = "cannot load the background picture " + options.background;
        return drawn;
    }
    PreviewView view;
    view.setFont(font);
    view.setBackground(background);
    view.setLabels(previewLabels(LanguageTable(options.language)));
    paintPreview(view, stateFor(options), kPreviewWidth, kPreviewHeight);
    drawn.rgb = offscreen->readRgb();
    return drawn;
}

} // namespace glimtags::tools
