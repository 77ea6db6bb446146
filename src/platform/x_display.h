#pragma once

namespace glimtags::platform {

// Whether the X display the environment names can be opened. The preview draws through
// GLX, so the editor needs one: a desktop's own or, on Wayland, XWayland.
bool xDisplayOpens();

} // namespace glimtags::platform
