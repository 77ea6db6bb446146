#include "core/console_command.h"

#include <algorithm>

namespace glimtags {

std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite)
{
    return "/" + variableAssignment(type, name, endColorWhite);
}

bool consoleTakesByte(unsigned char byte)
{
    return byte >= 32 && byte <= 126;
}

bool consoleTakesName(const NameText& name)
{
    return std::all_of(name.bytes().begin(), name.bytes().end(),
                       [](char byte) { return consoleTakesByte(static_cast<unsigned char>(byte)); });
}

} // namespace glimtags
