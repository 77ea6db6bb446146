#pragma once

namespace glimtags::platform {

// The short warning sound.
void beep();

} // namespace glimtags::platform
