#include "core/console_command.h"

namespace glimtags {

std::optional<NameRefusal> consoleCommandRefusal(const NameText& name)
{
    if (!fitsSaveLimit(name))
        return NameRefusal::TooLong;
    if (holdsQuote(name))
        return NameRefusal::HoldsQuote;
    return std::nullopt;
}

std::string consoleCommand(NameType type, const NameText& name, bool endColorWhite)
{
    return "/" + std::string(scriptVariable(type)) + " \"" + nameWithEnding(name, endColorWhite) + '"';
}

} // namespace glimtags
