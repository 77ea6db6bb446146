#include "ui/glyph_pictures.h"

#include "render/tga_image.h"
#include "ui/font_sheets.h"

#include <wx/image.h>

namespace glimtags {

namespace {
constexpr int kCellsPerRow = 16;
constexpr unsigned char kTile[3] = {0x20, 0x24, 0x2a};
} // namespace

GlyphPictures::GlyphPictures(const TgaImage& sheet)
{
    if (!isGlyphSheet(sheet))
        return;
    cellSize_ = sheet.width / kCellsPerRow;
    bytesPerPixel_ = sheet.bitsPerPixel / 8;
    sheetWidth_ = sheet.width;
    pixels_ = sheet.pixels;
}

wxBitmap GlyphPictures::picture(unsigned char byte, int size) const
{
    if (pixels_.empty())
        return wxBitmap();
    wxImage image(cellSize_, cellSize_);
    const int column = byte % kCellsPerRow;
    const int rowFromTop = byte / kCellsPerRow;
    for (int y = 0; y < cellSize_; ++y) {
        // The sheet's rows run bottom-up; the picture's top-down.
        const int sheetRow = (kCellsPerRow - 1 - rowFromTop) * cellSize_ + (cellSize_ - 1 - y);
        for (int x = 0; x < cellSize_; ++x) {
            const std::size_t at = (static_cast<std::size_t>(sheetRow) * sheetWidth_ + column * cellSize_ + x) *
                static_cast<std::size_t>(bytesPerPixel_);
            const int alpha = bytesPerPixel_ == 3 ? 255 : pixels_[at + (bytesPerPixel_ == 4 ? 3 : 0)];
            const int glyph = bytesPerPixel_ == 1 ? 255 : pixels_[at];
            const auto blend = [&](int tile, int channel) {
                return static_cast<unsigned char>((channel * alpha + tile * (255 - alpha)) / 255);
            };
            const int green = bytesPerPixel_ == 1 ? 255 : pixels_[at + 1];
            const int blue = bytesPerPixel_ == 1 ? 255 : pixels_[at + 2];
            image.SetRGB(x, y, blend(kTile[0], glyph), blend(kTile[1], green), blend(kTile[2], blue));
        }
    }
    if (size != cellSize_)
        image.Rescale(size, size, wxIMAGE_QUALITY_HIGH);
    return wxBitmap(image);
}

} // namespace glimtags
