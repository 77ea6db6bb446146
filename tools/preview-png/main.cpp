// Developer tool: draws the editor's preview of a name offscreen and writes it as a PNG.

#include "offscreen_gl.h"
#include "png_file.h"
#include "preview_options.h"

#include "core/language_table.h"
#include "render/preview_paint.h"
#include "render/preview_view.h"
#include "render/tga_image.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 228;

int fail(const std::string& message)
{
    std::fprintf(stderr, "preview-png: %s\n", message.c_str());
    return 1;
}

glimtags::PreviewState stateFor(const glimtags::tools::PreviewOptions& options)
{
    glimtags::PreviewState state = glimtags::previewStateFor(glimtags::NameText(options.name));
    state.selectionStart = options.selectionStart;
    state.selectionEnd = options.selectionEnd;
    state.enableStripe = options.stripe;
    state.enableTextCursor = options.cursor;
    state.charInfo = options.charInfo;
    state.inGameLimit = options.guide;
    return state;
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = glimtags::tools::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<glimtags::tools::UsageError>(&parsed)) {
        std::fprintf(stderr, "preview-png: %s\n%s", error->message.c_str(), glimtags::tools::kUsage);
        return 2;
    }
    const auto& options = std::get<glimtags::tools::PreviewOptions>(parsed);
    const glimtags::PreviewState state = stateFor(options);
    glimtags::setLanguageFailureHandler([](const std::string& message) { std::exit(fail(message)); });

    std::unique_ptr<glimtags::tools::OffscreenGl> offscreen;
    try {
        offscreen = std::make_unique<glimtags::tools::OffscreenGl>(kWidth, kHeight);
    } catch (const std::runtime_error& error) {
        return fail(error.what());
    }

    // The scene draws solid squares for a font that does not load; say why.
    glimtags::TgaImage font;
    if (!font.load(options.font))
        std::fprintf(stderr, "preview-png: warning: font %s did not load (error %d); glyphs show as squares\n",
            options.font.c_str(), static_cast<int>(font.errorCode));

    glimtags::PreviewView view(options.font);
    if (view.initScene(kWidth, kHeight, options.background, options.language) != 0)
        return fail("cannot load the background picture " + options.background);
    glimtags::paintPreview(view, state, kWidth, kHeight);
    const std::vector<unsigned char> rgb = offscreen->readRgb();
    if (const std::string error = glimtags::tools::writePng(options.out, kWidth, kHeight, rgb); !error.empty())
        return fail("cannot write " + options.out + ": " + error);
    return 0;
}
