#include "offscreen_gl.h"

#include <GL/gl.h>

#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
// OSMesa keeps the buffer bookkeeping of every context it made current until the process ends.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
#endif

namespace glimtags::tools {

OffscreenGl::OffscreenGl(int width, int height)
    : width_(width)
    , height_(height)
    , context_(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr))
    , buffer_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
{
    if (!context_)
        throw std::runtime_error("OSMesa cannot create a context");
    if (!OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context_);
        throw std::runtime_error("OSMesa cannot make its context current");
    }
}

OffscreenGl::~OffscreenGl()
{
    OSMesaDestroyContext(context_);
}

std::vector<unsigned char> OffscreenGl::readRgb() const
{
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

} // namespace glimtags::tools
