#pragma once

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace glimtags::test {

struct Pixel {
    int red;
    int green;
    int blue;
    bool operator==(const Pixel&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pixel& pixel);

// Channels equal within a small tolerance, for what linear filtering and blending round.
::testing::AssertionResult pixelNear(const Pixel& actual, const Pixel& expected, int tolerance = 3);

// An RGBA OSMesa buffer of the preview's size, current for the object's lifetime.
class OffscreenGl {
public:
    static constexpr int kWidth = 576;
    static constexpr int kHeight = 228;

    OffscreenGl();
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    // Window coordinates: origin at the lower left, y up, as text is placed.
    Pixel pixel(int x, int y) const;
    // Shape coordinates: origin at the top left, y down, as the scene's boxes are placed.
    Pixel shapePixel(int x, int y) const { return pixel(x, kHeight - 1 - y); }
    // The whole colour buffer, to tell whether a call drew anything at all.
    std::vector<unsigned char> frame() const;

private:
    OSMesaContext context_;
    std::vector<unsigned char> buffer_;
};

} // namespace glimtags::test
