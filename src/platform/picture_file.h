#pragma once

#include "core/rgba_picture.h"
#include "platform/file_writer.h"

#include <string>

namespace glimtags::platform {

// Writes the picture as a PNG with its alpha, in one step like every file the editor writes.
[[nodiscard]] FileWriteResult savePicturePng(const std::string& path, const RgbaPicture& picture);

// Puts the picture on the clipboard for other programs; false when the clipboard cannot be opened.
[[nodiscard]] bool copyPictureToClipboard(const RgbaPicture& picture);

} // namespace glimtags::platform
