#pragma once

#include <wx/bitmap.h>

#include <string>
#include <vector>

namespace glimtags {

// The glyphs of the font sheet as small pictures: white glyphs on a dark tile, as the
// game shows them. An empty bitmap when the sheet cannot be read.
class GlyphPictures {
public:
    explicit GlyphPictures(const std::string& fontPath);

    wxBitmap picture(unsigned char byte, int size) const;

private:
    int cellSize_ = 0;
    int bytesPerPixel_ = 0;
    int sheetWidth_ = 0;
    std::vector<unsigned char> pixels_;
};

} // namespace glimtags
