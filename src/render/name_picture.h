#pragma once

#include "core/name_text.h"
#include "core/rgba_picture.h"
#include "render/tga_image.h"

namespace glimtags {

// The game draws its big characters 16 pixels square on its 640 x 480 screen.
inline constexpr int kGameCellPixels = 16;

struct NamePictureStyle {
    int cellPixels = kGameCellPixels;
    // Stretched under the name; without one (or without pixels) the picture is transparent
    // wherever no glyph covers it.
    const TgaImage* background = nullptr;
};

// The name as the game draws it, glyph by glyph in the colours of its codes, with half a
// cell of margin all round. Drawn without OpenGL, so that it needs no window. Empty (no
// pixels) when the sheet is not a square of 16 x 16 cells.
RgbaPicture drawNamePicture(const NameText& name, const TgaImage& sheet, const NamePictureStyle& style);

} // namespace glimtags
