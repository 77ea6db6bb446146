#include "gl_fixture.h"

#include <GL/gl.h>

#include <cstdlib>
#include <stdexcept>

namespace glimtags::test {

std::ostream& operator<<(std::ostream& out, const Pixel& pixel)
{
    return out << '(' << pixel.red << ", " << pixel.green << ", " << pixel.blue << ')';
}

::testing::AssertionResult pixelNear(const Pixel& actual, const Pixel& expected, int tolerance)
{
    if (std::abs(actual.red - expected.red) <= tolerance && std::abs(actual.green - expected.green) <= tolerance
        && std::abs(actual.blue - expected.blue) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel " << actual << ", expected " << expected;
}

OffscreenGl::OffscreenGl()
    : context_(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr))
    , buffer_(static_cast<std::size_t>(kWidth) * kHeight * 4)
{
    if (!context_ || !OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, kWidth, kHeight))
        throw std::runtime_error("no OSMesa context");
    glViewport(0, 0, kWidth, kHeight);
}

OffscreenGl::~OffscreenGl()
{
    OSMesaDestroyContext(context_);
}

Pixel OffscreenGl::pixel(int x, int y) const
{
    unsigned char rgba[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

std::vector<unsigned char> OffscreenGl::frame() const
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(kWidth) * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

} // namespace glimtags::test
