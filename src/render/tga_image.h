#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// Why the last load failed; None after clearing.
enum class TgaError : std::int32_t {
    None = 0,
    OpenFailed = 1000,
    UnsupportedHeader = 1001,
    BadSize = 1002,
    BadDepth = 1003,
    ReadFailed = 1004,
};

// An uncompressed Targa picture converted to OpenGL byte order, and the texture it goes to.
// Rows stay in file order, so the first row of the file is texture row 0.
struct TgaImage {
    TgaError errorCode = TgaError::None;
    GLint bitsPerPixel = 0;
    GLint width = 0;
    GLint height = 0;
    GLuint textureName = 0;
    GLint pixelCount = 0;
    GLenum pixelFormat = 0;
    std::vector<unsigned char> pixels;

    void clear();
    // 1 on success; 0 with errorCode set and no pixels kept. Only a regular file is
    // read: a pipe, device or folder is refused as one that cannot be opened.
    int load(const std::string& path);
    // The same for the bytes of a Targa file already in memory.
    int decode(std::string_view file);
    // Loads, then uploads into textureName and frees the pixels unless keepPixels.
    // A formatOverride other than 0 replaces pixelFormat; the pixels are converted to it.
    int loadTexture(const std::string& path, GLuint texture, bool keepPixels, GLenum formatOverride);
    // Needs a current OpenGL context; does nothing without pixels.
    void upload() const;
};

} // namespace glimtags
