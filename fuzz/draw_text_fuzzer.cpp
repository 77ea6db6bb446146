// drawText with any text as the argument of "%s", as the preview passes names and
// language texts: escapes, tabs and newlines in any order, in any style a caller sets.
#include "fuzz_check.h"
#include "offscreen_gl.h"

#include "render/bitmap_font.h"
#include "render/tga_image.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 228;

const glimtags::tools::OffscreenGl* context = nullptr;
glimtags::BitmapFont* font = nullptr;

bool styleIsDefault(const glimtags::BitmapFont& drawn)
{
    const glimtags::BitmapFont defaults;
    return drawn.colour == defaults.colour && drawn.shadowColour == defaults.shadowColour &&
        drawn.size == defaults.size && drawn.shadow == defaults.shadow && drawn.slant == defaults.slant &&
        drawn.bold == defaults.bold;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    context = new glimtags::tools::OffscreenGl(kWidth, kHeight);
    glimtags::TgaImage sheet;
    FUZZ_CHECK(sheet.load(GLIMTAGS_RESOURCES "/Font.TGA"));
    font = new glimtags::BitmapFont;
    FUZZ_CHECK(font->createFont(sheet));
    glViewport(0, 0, kWidth, kHeight);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    // The styles the preview sets: sizes up to a large notice, shadow, bold and slant.
    font->size = provider.ConsumeIntegralInRange(1, 64);
    font->shadow = provider.ConsumeBool();
    font->bold = provider.ConsumeBool();
    font->slant = provider.ConsumeBool() ? 8 : 0;
    if (font->shadow)
        font->shadowColour = {0.0f, 0.0f, 0.0f, 1.0f};
    const int x = provider.ConsumeIntegralInRange(-kWidth, 2 * kWidth);
    const int y = provider.ConsumeIntegralInRange(-kHeight, 2 * kHeight);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    font->drawText(x, y, "%s", text.c_str());
    glFinish();

    FUZZ_CHECK(styleIsDefault(*font));
    FUZZ_CHECK(!glIsEnabled(GL_BLEND) && !glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_SCISSOR_TEST));
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    FUZZ_CHECK(matrixMode == GL_MODELVIEW);
    GLint modelviewDepth = 0;
    GLint projectionDepth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    FUZZ_CHECK(modelviewDepth == 1 && projectionDepth == 1);
    FUZZ_CHECK(glGetError() == GL_NO_ERROR);
    return 0;
}
