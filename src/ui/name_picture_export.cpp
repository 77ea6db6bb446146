#include "ui/name_picture_export.h"

#include "render/name_picture.h"

namespace glimtags {

RgbaPicture pictureOfName(const NameText& name, const TgaImage& sheet, const TgaImage& background, PictureLook look)
{
    return drawNamePicture(name, sheet, {look.twiceSize ? 2 * kGameCellPixels : kGameCellPixels,
                                         look.transparent ? nullptr : &background});
}

} // namespace glimtags
