#pragma once

#include <GL/osmesa.h>

#include <vector>

namespace glimtags::tools {

// An OSMesa RGBA buffer with a depth buffer, current from construction to destruction.
class OffscreenGl {
public:
    // Throws std::runtime_error when OSMesa cannot make the context.
    OffscreenGl(int width, int height);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    // The colour buffer as 8-bit RGB rows, bottom row first, once drawing has finished.
    std::vector<unsigned char> readRgb() const;

private:
    int width_;
    int height_;
    OSMesaContext context_;
    std::vector<unsigned char> buffer_;
};

} // namespace glimtags::tools
