#pragma once

#include "core/outcome.h"

#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// Why a load failed: the code of its outcome.
enum class TgaError : std::int32_t {
    OpenFailed = 1000,
    UnsupportedHeader = 1001,
    BadSize = 1002,
    BadDepth = 1003,
    ReadFailed = 1004,
};

// An uncompressed Targa picture converted to OpenGL byte order. Rows stay in file
// order, so the first row of the file is texture row 0.
struct TgaImage {
    GLint bitsPerPixel = 0;
    GLint width = 0;
    GLint height = 0;
    GLint pixelCount = 0;
    GLenum pixelFormat = 0;
    std::vector<unsigned char> pixels;

    // On failure the outcome's code is a TgaError and no pixels are kept. Only a regular
    // file is read: a pipe, device or folder is refused as one that cannot be opened.
    Outcome load(const std::string& path);
    // The same for the bytes of a Targa file already in memory.
    Outcome decode(std::string_view file);
    // Uploads the pixels into the texture, first converted to formatOverride unless that
    // is 0 (an alpha byte widens to white with that alpha, a colour gets alpha 255).
    // Does nothing without pixels; needs a current OpenGL context.
    void upload(GLuint texture, GLenum formatOverride = 0) const;
};

} // namespace glimtags
