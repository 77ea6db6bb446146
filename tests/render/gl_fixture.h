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

// The colour buffer read back once, for checks over many pixels.
class Snapshot {
public:
    Snapshot(int width, int height);

    // Window coordinates: origin at the lower left, y up, as text is placed.
    Pixel pixel(int x, int y) const;
    // Shape coordinates: origin at the top left, y down, as the scene's boxes are placed.
    Pixel shapePixel(int x, int y) const { return pixel(x, height_ - 1 - y); }
    bool operator==(const Snapshot&) const = default;

private:
    int width_;
    int height_;
    std::vector<unsigned char> rgba_;
};

// Every pixel of the window rectangle [x0, x1) x [y0, y1) has the colour.
::testing::AssertionResult areaIs(const Snapshot& snapshot, int x0, int y0, int x1, int y1, const Pixel& colour,
    int tolerance = 3);

// An RGBA OSMesa buffer of the preview's size, current for the object's lifetime.
class OffscreenGl {
public:
    static constexpr int kWidth = 576;
    static constexpr int kHeight = 228;

    OffscreenGl();
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    Pixel pixel(int x, int y) const { return snapshot().pixel(x, y); }
    Snapshot snapshot() const { return Snapshot(kWidth, kHeight); }

private:
    OSMesaContext context_;
    std::vector<unsigned char> buffer_;
};

} // namespace glimtags::test
