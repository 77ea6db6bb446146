#pragma once

#include "platform/beep.h"
#include "platform/open_document.h"

#include <functional>

namespace glimtags::platform {

// What the windows ask of the desktop: its warning sound, and the start of its program
// for a document or an address. The editor hands the real ones down; a test its own.
struct Desktop {
    std::function<void()> beep = platform::beep;
    DocumentLauncher launch = launchWithDesktop;
};

} // namespace glimtags::platform
