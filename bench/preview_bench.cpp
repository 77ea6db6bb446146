#include "render/bitmap_font.h"
#include "render/preview_paint.h"
#include "render/preview_view.h"

#include <GL/osmesa.h>
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 576;
constexpr int kHeight = 228;
const std::string kResources = GLIMTAGS_RESOURCES;

// An OSMesa buffer of the preview's size, current while the benchmark runs.
class Offscreen {
public:
    Offscreen()
        : context_(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr))
        , buffer_(static_cast<std::size_t>(kWidth) * kHeight * 4)
    {
        if (!context_ || !OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, kWidth, kHeight))
            throw std::runtime_error("no OSMesa context");
    }
    ~Offscreen() { OSMesaDestroyContext(context_); }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

private:
    OSMesaContext context_;
    std::vector<unsigned char> buffer_;
};

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
    const Offscreen offscreen;
    glimtags::PreviewView view(kResources + "/Font.TGA");
    if (view.initScene(kWidth, kHeight, kResources + "/BackGrnd.TGA", kResources + "/English.lan") != 0) {
        state.SkipWithError("background did not load");
        return;
    }
    glimtags::PreviewState preview = glimtags::previewStateFor(glimtags::NameText(colouredName()));
    preview.enableStripe = true;
    preview.selectionStart = 30;
    preview.selectionEnd = 60;
    for (auto _ : state) {
        glimtags::paintPreview(view, preview, kWidth, kHeight);
        // The rasteriser works behind the calls; a paint ends when its pixels are there.
        glFinish();
    }
}
BENCHMARK(paintSequence)->Unit(benchmark::kMicrosecond);

void drawLongText(benchmark::State& state)
{
    const Offscreen offscreen;
    glimtags::BitmapFont font;
    font.createFont(kResources + "/Font.TGA");
    glViewport(0, 0, kWidth, kHeight);
    // Lines of 47 glyphs, so that no byte is left out at the right edge.
    std::string text;
    while (text.size() < 1023)
        text += text.size() % 48 == 47 ? '\n' : static_cast<char>('!' + text.size() % 90);
    for (auto _ : state) {
        font.drawText(0, kHeight - 12, "%s", text.c_str());
        glFinish();
    }
}
BENCHMARK(drawLongText)->Unit(benchmark::kMicrosecond);

} // namespace
