#include "platform/gl_surface.h"

namespace glimtags::platform {

std::optional<wxGLAttributes> choosePreviewPixelFormat()
{
    for (const int depthBits : {32, 24, 16}) {
        wxGLAttributes attributes;
        attributes.PlatformDefaults().RGBA().DoubleBuffer().Depth(depthBits).EndList();
        if (wxGLCanvas::IsDisplaySupported(attributes))
            return attributes;
    }
    return std::nullopt;
}

} // namespace glimtags::platform
