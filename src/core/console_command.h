#pragma once

#include "core/name_script.h"

#include <string>

namespace glimtags {

// The line to type into the game's console: `/name "<name>[^7]"` or
// `/sv_hostname "<name>[^7]"`, ending in white as a saved script does.
std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite);

// Whether the game's console line takes the byte as it is, typed or pasted. It reads
// bytes 1, 3, 5, 8 and 22 as editing keys and drops the other control bytes, the
// delete (127) and every character that reaches it as more than one byte of UTF-8.
bool consoleTakesByte(unsigned char byte);
bool consoleTakesName(const NameText& name);

// The language key of the message that refuses a name the console would change.
inline constexpr const char* kConsoleRefusalKey = "MESSAGE_CONSOLEREFUSES";

} // namespace glimtags
