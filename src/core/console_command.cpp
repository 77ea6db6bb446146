#include "core/console_command.h"

namespace glimtags {

std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite)
{
    return "/" + std::string(scriptVariable(type)) + " \"" + nameWithEnding(name, endColorWhite) + '"';
}

} // namespace glimtags
