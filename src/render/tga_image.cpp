#include "render/tga_image.h"

#include "core/regular_file.h"

#include <array>
#include <optional>
#include <utility>

namespace glimtags {
namespace {

constexpr std::size_t kHeaderBytes = 18;
constexpr int kLargestSide = 512;

bool isPowerOfTwoSide(int side)
{
    return side >= 1 && side <= kLargestSide && (side & (side - 1)) == 0;
}

int littleEndian16(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

std::size_t channelsOf(GLenum format)
{
    switch (format) {
    case GL_ALPHA:
        return 1;
    case GL_RGB:
        return 3;
    case GL_RGBA:
        return 4;
    default:
        return 0;
    }
}

// Re-expresses every pixel in another of the three formats: an alpha byte widens to white
// with that alpha, a colour without alpha gets 255.
std::vector<unsigned char> convertPixels(const std::vector<unsigned char>& pixels, std::size_t count,
    GLenum from, GLenum to)
{
    const std::size_t fromChannels = channelsOf(from);
    const std::size_t toChannels = channelsOf(to);
    if (fromChannels == 0 || toChannels == 0)
        return {};
    std::vector<unsigned char> converted(count * toChannels);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* source = &pixels[i * fromChannels];
        std::array<unsigned char, 4> rgba{255, 255, 255, 255};
        if (fromChannels == 1)
            rgba[3] = source[0];
        else
            for (std::size_t c = 0; c < fromChannels; ++c)
                rgba[c] = source[c];
        unsigned char* target = &converted[i * toChannels];
        if (toChannels == 1)
            target[0] = rgba[3];
        else
            for (std::size_t c = 0; c < toChannels; ++c)
                target[c] = rgba[c];
    }
    return converted;
}

} // namespace

Outcome TgaImage::load(const std::string& path)
{
    const std::optional<std::string> bytes = readRegularFile(path);
    if (!bytes) {
        pixels = std::vector<unsigned char>();
        return Outcome::failure(static_cast<int>(TgaError::OpenFailed));
    }
    return decode(*bytes);
}

Outcome TgaImage::decode(std::string_view file)
{
    const auto fail = [this](TgaError error) {
        pixels = std::vector<unsigned char>();
        return Outcome::failure(static_cast<int>(error));
    };

    if (file.size() < kHeaderBytes)
        return fail(TgaError::UnsupportedHeader);
    const auto* header = reinterpret_cast<const unsigned char*>(file.data());
    const int identificationLength = header[0];
    const int colourMapType = header[1];
    const int imageType = header[2];
    if (colourMapType != 0 || (imageType != 2 && imageType != 3))
        return fail(TgaError::UnsupportedHeader);

    width = littleEndian16(&header[12]);
    height = littleEndian16(&header[14]);
    bitsPerPixel = header[16];
    // Sides up to 65535 would overflow the product; only checked sides are multiplied.
    if (!isPowerOfTwoSide(width) || !isPowerOfTwoSide(height))
        return fail(TgaError::BadSize);
    pixelCount = width * height;
    if (bitsPerPixel != 32 && bitsPerPixel != 24 && bitsPerPixel != 8)
        return fail(TgaError::BadDepth);

    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
    const std::size_t byteCount = static_cast<std::size_t>(pixelCount) * bytesPerPixel;
    const std::size_t pixelStart = kHeaderBytes + static_cast<std::size_t>(identificationLength);
    if (file.size() < pixelStart || file.size() - pixelStart < byteCount)
        return fail(TgaError::ReadFailed);
    const auto* stored = reinterpret_cast<const unsigned char*>(file.data()) + pixelStart;
    pixels.assign(stored, stored + byteCount);

    // Targa stores blue first; OpenGL wants red first.
    if (bytesPerPixel >= 3)
        for (std::size_t i = 0; i < byteCount; i += bytesPerPixel)
            std::swap(pixels[i], pixels[i + 2]);
    pixelFormat = bytesPerPixel == 4 ? GL_RGBA : bytesPerPixel == 3 ? GL_RGB : GL_ALPHA;
    return {};
}

void TgaImage::upload(GLuint texture, GLenum formatOverride) const
{
    if (pixels.empty())
        return;
    const GLenum format = formatOverride != 0 ? formatOverride : pixelFormat;
    const std::vector<unsigned char> converted =
        format == pixelFormat ? std::vector<unsigned char>() : convertPixels(pixels, static_cast<std::size_t>(pixelCount), pixelFormat, format);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), width, height, 0, format, GL_UNSIGNED_BYTE,
        converted.empty() ? pixels.data() : converted.data());
}

} // namespace glimtags
