#include "platform/x_display.h"

#include <X11/Xlib.h>

namespace glimtags::platform {

bool xDisplayOpens()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

} // namespace glimtags::platform
