#include "offscreen_gl.h"

#include "core/language_table.h"
#include "render/bitmap_font.h"
#include "render/preview_paint.h"
#include "render/preview_view.h"

#include <benchmark/benchmark.h>

#include <string>

using glimtags::kPreviewHeight;
using glimtags::kPreviewWidth;

namespace {

const std::string kResources = GLIMTAGS_RESOURCES;

// 35 glyphs, each after its own colour code: the longest name the editor saves.
std::string colouredName()
{
    std::string name;
    for (int i = 0; i < 35; ++i) {
        name += '^';
        name += static_cast<char>('1' + i % 7);
        name += static_cast<char>('A' + i % 26);
    }
    return name;
}

void paintSequence(benchmark::State& state)
{
    const glimtags::tools::OffscreenGl offscreen(kPreviewWidth, kPreviewHeight);
    glimtags::TgaImage font;
    glimtags::TgaImage background;
    if (!font.load(kResources + "/Font.TGA") || !background.load(kResources + "/BackGrnd.TGA")) {
        state.SkipWithError("the pictures did not load");
        return;
    }
    glimtags::PreviewView view;
    view.setFont(font);
    view.setBackground(background);
    view.setLabels(glimtags::previewLabels(glimtags::LanguageTable(kResources + "/English.lan")));
    glimtags::PreviewState preview = glimtags::previewStateFor(glimtags::NameText(colouredName()));
    preview.enableStripe = true;
    preview.selectionStart = 30;
    preview.selectionEnd = 60;
    for (auto _ : state) {
        glimtags::paintPreview(view, preview, kPreviewWidth, kPreviewHeight);
        // The rasteriser works behind the calls; a paint ends when its pixels are there.
        glFinish();
    }
}
BENCHMARK(paintSequence)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void drawLongText(benchmark::State& state)
{
    const glimtags::tools::OffscreenGl offscreen(kPreviewWidth, kPreviewHeight);
    glimtags::TgaImage sheet;
    static_cast<void>(sheet.load(kResources + "/Font.TGA"));
    glimtags::BitmapFont font;
    font.createFont(sheet);
    // Lines of 47 glyphs, so that no byte is left out at the right edge.
    std::string text;
    while (text.size() < 1023)
        text += text.size() % 48 == 47 ? '\n' : static_cast<char>('!' + text.size() % 90);
    for (auto _ : state) {
        const glimtags::GlFrame frame(kPreviewWidth, kPreviewHeight);
        font.drawLabel(frame, 0, kPreviewHeight - 12, text);
        glFinish();
    }
}
BENCHMARK(drawLongText)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace
