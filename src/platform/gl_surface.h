#pragma once

#include <wx/glcanvas.h>

#include <optional>

namespace glimtags::platform {

// The preview's surface: RGBA, double buffered, with a 32-bit depth buffer, or the
// deepest depth buffer the display offers. Nothing when the display has no such format.
std::optional<wxGLAttributes> choosePreviewPixelFormat();

} // namespace glimtags::platform
