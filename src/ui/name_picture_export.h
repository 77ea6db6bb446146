#pragma once

#include "core/name_text.h"
#include "core/rgba_picture.h"
#include "render/tga_image.h"

namespace glimtags {

// How a picture of the name is made: at the game's size or twice it, over the
// background or on a transparent ground.
struct PictureLook {
    bool twiceSize = false;
    bool transparent = false;
};

// The picture that Export Picture writes, Copy Picture copies and --export-picture writes.
RgbaPicture pictureOfName(const NameText& name, const TgaImage& sheet, const TgaImage& background, PictureLook look);

} // namespace glimtags
