#pragma once

#include "core/name_script.h"

#include <optional>
#include <string>

namespace glimtags {

// Why a name cannot be written out, in the order the save asks.
enum class NameRefusal { TooLong, HoldsQuote };

// The save's refusals: over the save limit, or holding a double quote.
std::optional<NameRefusal> consoleCommandRefusal(const NameText& name);

// The line to type into the game's console: `/name "<name>[^7]"` or
// `/sv_hostname "<name>[^7]"`, ending in white as a saved script does.
std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite);

} // namespace glimtags
