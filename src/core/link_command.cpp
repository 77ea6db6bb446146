#include "core/link_command.h"

#include "core/message_format.h"

#include <algorithm>
#include <array>

namespace glimtags {
namespace {

constexpr std::array<std::string_view, 5> kPlaceholders = {"%1", "%u", "%U", "%f", "%F"};

// The earliest position of any placeholder, written in double quotes or bare.
std::size_t firstPlaceholder(std::string_view line, bool quoted)
{
    std::size_t first = std::string_view::npos;
    for (const std::string_view placeholder : kPlaceholders) {
        const std::string pattern = quoted ? '"' + std::string(placeholder) + '"' : std::string(placeholder);
        first = std::min(first, line.find(pattern));
    }
    return first;
}

std::string_view linkErrorText(int code)
{
    switch (code) {
    case 0: return "The operating system is out\nof memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied\naccess to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26: return "A sharing violation occurred. ";
    case 27: return "The filename association is\nincomplete or invalid.";
    case 28: return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31: return "There is no application associated\nwith the given filename extension.";
    case 32: return "The specified dynamic-link library was not found.";
    default: return {};
    }
}

} // namespace

std::optional<std::string> linkFallbackCommand(std::string_view handlerCommand, std::string_view address)
{
    if (handlerCommand.size() > kMaxHandlerCommandLength)
        return std::nullopt;
    std::size_t cut = firstPlaceholder(handlerCommand, true);
    if (cut == std::string_view::npos)
        cut = firstPlaceholder(handlerCommand, false);
    std::string command(handlerCommand.substr(0, cut));
    command.append(" ").append(address);
    if (command.size() > kMaxLinkCommandLength)
        return std::nullopt;
    return command;
}

std::string linkErrorMessage(int code)
{
    const std::string_view text = linkErrorText(code);
    return "Unable to open hyperlink:\n\n" + (text.empty() ? formatMessage("Unknown Error (%d) occurred.", {code})
                                                            : std::string(text));
}

} // namespace glimtags
