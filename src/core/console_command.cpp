#include "core/console_command.h"

namespace glimtags {

std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite)
{
    return "/" + variableAssignment(type, name, endColorWhite);
}

} // namespace glimtags
