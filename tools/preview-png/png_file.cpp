#include "png_file.h"

#include <png.h>

#include <utility>

namespace glimtags::tools {

std::string writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgbBottomUp)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    // A negative row stride tells libpng that the first row in memory is the bottom one.
    const png_int_32 rowStride = -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image));
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgbBottomUp.data(), rowStride, nullptr))
        return image.message;
    return {};
}

PngPicture readPng(const std::string& path)
{
    PngPicture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        picture.error = image.message;
        return picture;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rows(PNG_IMAGE_SIZE(image));
    const png_int_32 rowStride = -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image));
    if (!png_image_finish_read(&image, nullptr, rows.data(), rowStride, nullptr)) {
        picture.error = image.message;
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgbBottomUp = std::move(rows);
    return picture;
}

} // namespace glimtags::tools
