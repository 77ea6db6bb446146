#include "render/name_picture.h"

#include "core/game_glyphs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace glimtags {
namespace {

constexpr int kCellsPerRow = 16;

using Rgba = std::array<float, 4>;

// A picture's pixel as RGBA in 0..1, as the texture upload widens it: an alpha-only
// pixel is white with that alpha, a colour without alpha is opaque. Rows count from the bottom.
Rgba texel(const TgaImage& image, int x, int rowFromBottom)
{
    const int channels = image.bitsPerPixel / 8;
    const unsigned char* p =
        &image.pixels[(static_cast<std::size_t>(rowFromBottom) * static_cast<std::size_t>(image.width) +
                          static_cast<std::size_t>(x)) * static_cast<std::size_t>(channels)];
    if (channels == 1)
        return {1.0f, 1.0f, 1.0f, p[0] / 255.0f};
    return {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, channels == 4 ? p[3] / 255.0f : 1.0f};
}

// Bilinear sample of the region [left, left + size) x [bottom, bottom + size) of the image at
// (u, v) in 0..1 from the region's top left, never reading outside the region, so that a
// glyph does not bleed into its neighbour's cell.
Rgba sampleRegion(const TgaImage& image, int left, int bottom, int sizeX, int sizeY, float u, float v)
{
    const float x = std::clamp(u * static_cast<float>(sizeX) - 0.5f, 0.0f, static_cast<float>(sizeX - 1));
    const float yFromTop = std::clamp(v * static_cast<float>(sizeY) - 0.5f, 0.0f, static_cast<float>(sizeY - 1));
    const int x0 = static_cast<int>(x);
    const int y0 = static_cast<int>(yFromTop);
    const int x1 = std::min(x0 + 1, sizeX - 1);
    const int y1 = std::min(y0 + 1, sizeY - 1);
    const float fx = x - static_cast<float>(x0);
    const float fy = yFromTop - static_cast<float>(y0);
    const auto at = [&](int cx, int cyFromTop) { return texel(image, left + cx, bottom + sizeY - 1 - cyFromTop); };
    const Rgba a = at(x0, y0), b = at(x1, y0), c = at(x0, y1), d = at(x1, y1);
    Rgba out{};
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = (a[i] * (1 - fx) + b[i] * fx) * (1 - fy) + (c[i] * (1 - fx) + d[i] * fx) * fy;
    return out;
}

unsigned char toByte(float value)
{
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

class Canvas {
public:
    Canvas(int width, int height, const TgaImage* background)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height)
    {
        if (background == nullptr || background->pixels.empty())
            return;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                Rgba below = sampleRegion(*background, 0, 0, background->width, background->height,
                    (static_cast<float>(x) + 0.5f) / static_cast<float>(width),
                    (static_cast<float>(y) + 0.5f) / static_cast<float>(height));
                below[3] = 1.0f;
                pixels_[index(x, y)] = below;
            }
    }

    // Source-over blending with straight alpha, as the preview blends its glyphs.
    void blend(int x, int y, const Rgba& over)
    {
        Rgba& under = pixels_[index(x, y)];
        const float alpha = over[3] + under[3] * (1 - over[3]);
        for (std::size_t c = 0; c < 3; ++c)
            under[c] = alpha > 0 ? (over[c] * over[3] + under[c] * under[3] * (1 - over[3])) / alpha : 0.0f;
        under[3] = alpha;
    }

    RgbaPicture picture() const
    {
        RgbaPicture out{width_, height_, {}};
        out.rgba.reserve(pixels_.size() * 4);
        for (const Rgba& p : pixels_)
            for (float channel : p)
                out.rgba.push_back(toByte(channel));
        return out;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

bool isUsableSheet(const TgaImage& sheet)
{
    return !sheet.pixels.empty() && sheet.width == sheet.height && sheet.width >= kCellsPerRow &&
        (sheet.bitsPerPixel == 8 || sheet.bitsPerPixel == 24 || sheet.bitsPerPixel == 32);
}

} // namespace

RgbaPicture drawNamePicture(const NameText& name, const TgaImage& sheet, const NamePictureStyle& style)
{
    if (!isUsableSheet(sheet) || style.cellPixels < 1)
        return {};
    const int cell = style.cellPixels;
    const int margin = cell / 2;
    Canvas canvas(gameGlyphCount(name) * cell + 2 * margin, cell + 2 * margin, style.background);
    const int sheetCell = sheet.width / kCellsPerRow;
    int penX = margin;
    walkGameColours(name, [&](unsigned char byte, ColourRgb colour) {
        const int left = byte % kCellsPerRow * sheetCell;
        const int bottom = (kCellsPerRow - 1 - byte / kCellsPerRow) * sheetCell;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                Rgba glyph = sampleRegion(sheet, left, bottom, sheetCell, sheetCell,
                    (static_cast<float>(x) + 0.5f) / static_cast<float>(cell),
                    (static_cast<float>(y) + 0.5f) / static_cast<float>(cell));
                glyph[0] *= colour.red;
                glyph[1] *= colour.green;
                glyph[2] *= colour.blue;
                canvas.blend(penX + x, margin + y, glyph);
            }
        penX += cell;
    });
    return canvas.picture();
}

} // namespace glimtags
