#pragma once

#include "core/name_script.h"

#include <string>

namespace glimtags {

// The line to type into the game's console: `/name "<name>[^7]"` or
// `/sv_hostname "<name>[^7]"`, ending in white as a saved script does.
std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite);

} // namespace glimtags
