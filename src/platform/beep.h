#pragma once

#include <functional>

namespace glimtags::platform {

// The short warning sound.
void beep();

// Lets a test hear the beeps; an empty observer restores the sound.
void setBeepObserver(std::function<void()> observer);

} // namespace glimtags::platform
