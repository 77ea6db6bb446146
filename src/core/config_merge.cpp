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

} // namespace

std::string mergeIntoConfiguration(std::string_view configuration, NameType type, std::string_view mergeText)
{
    const std::string searchText = "seta " + std::string(scriptVariable(type));
    const std::size_t match = findIgnoringCase(configuration, searchText);
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
