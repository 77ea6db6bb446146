#pragma once

namespace glimtags::platform {

// A failed wx assertion is written to standard error instead of asking the user in a
// dialog what to do about a fault that is ours, not theirs.
void logAssertionsInsteadOfDialogs();

} // namespace glimtags::platform
