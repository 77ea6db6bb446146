#include "gl_fixture.h"

#include <GL/gl.h>

#include <cstdlib>
#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
// OSMesa keeps the buffer bookkeeping of every context it made current until the process ends.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
#endif

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

Snapshot::Snapshot(int width, int height)
    : width_(width)
    , height_(height)
    , rgba_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
{
    glFinish();
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba_.data());
}

Pixel Snapshot::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the buffer");
    const unsigned char* rgba = &rgba_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x) * 4];
    return {rgba[0], rgba[1], rgba[2]};
}

::testing::AssertionResult areaIs(const Snapshot& snapshot, int x0, int y0, int x1, int y1, const Pixel& colour,
    int tolerance)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (!pixelNear(snapshot.pixel(x, y), colour, tolerance))
                return ::testing::AssertionFailure()
                    << "at (" << x << ", " << y << ") " << pixelNear(snapshot.pixel(x, y), colour, tolerance).message();
    return ::testing::AssertionSuccess();
}

} // namespace glimtags::test
