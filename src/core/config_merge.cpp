#include "core/config_merge.h"

#include "core/ascii_case.h"

#include <algorithm>

namespace glimtags {
namespace {

// The end of the bytes the merge text replaces, for a match at the given position.
std::size_t replacedEnd(std::string_view configuration, std::size_t match)
{
    const std::size_t lineFeed = configuration.find('\n', match);
    const std::size_t lineEnd = lineFeed == std::string_view::npos ? configuration.size() : lineFeed;
    const std::size_t opening = configuration.find('"', match);
    const std::size_t closing = opening < lineEnd ? configuration.find('"', opening + 1) : std::string_view::npos;
    if (closing >= lineEnd)
        return std::min(lineEnd + 1, configuration.size());
    return std::min(closing + 2, configuration.size());
}

// The first line that sets the variable: the search text at the line start, after
// optional blanks, followed by a blank or a quote. A bind, a script line or a comment
// that merely holds the text is left alone.
std::size_t findSettingLine(std::string_view configuration, std::string_view searchText)
{
    for (std::size_t lineStart = 0; lineStart < configuration.size();) {
        std::size_t at = lineStart;
        while (at < configuration.size() && isBlank(configuration[at]))
            ++at;
        const std::size_t after = at + searchText.size();
        if (after < configuration.size() && equalIgnoringCase(configuration.substr(at, searchText.size()), searchText) &&
            (isBlank(configuration[after]) || configuration[after] == '"'))
            return at;
        const std::size_t lineFeed = configuration.find('\n', lineStart);
        if (lineFeed == std::string_view::npos)
            break;
        lineStart = lineFeed + 1;
    }
    return std::string_view::npos;
}

} // namespace

std::string mergeIntoConfiguration(std::string_view configuration, NameType type, std::string_view mergeText)
{
    const std::string searchText = "seta " + std::string(scriptVariable(type));
    const std::size_t match = findSettingLine(configuration, searchText);
    std::string merged;
    if (match == std::string_view::npos) {
        merged.assign(configuration);
        if (!merged.empty() && merged.back() != '\n')
            merged.push_back('\n');
        merged.append(mergeText);
        return merged;
    }
    const std::size_t end = replacedEnd(configuration, match);
    merged.reserve(configuration.size() + mergeText.size());
    merged.append(configuration.substr(0, match));
    merged.append(mergeText);
    merged.append(configuration.substr(end));
    return merged;
}

} // namespace glimtags
