#pragma once

#include <wx/bitmap.h>

#include <vector>

namespace glimtags {

struct TgaImage;

// The glyphs of the font sheet as small pictures: white glyphs on a dark tile, as the
// game shows them. An empty bitmap when the sheet is no glyph sheet.
class GlyphPictures {
public:
    explicit GlyphPictures(const TgaImage& sheet);

    wxBitmap picture(unsigned char byte, int size) const;

private:
    int cellSize_ = 0;
    int bytesPerPixel_ = 0;
    int sheetWidth_ = 0;
    std::vector<unsigned char> pixels_;
};

} // namespace glimtags
