#include "core/config_merge.h"

#include "core/console_script.h"

namespace glimtags {
namespace {

// The line end the file already uses, judged by its first line; a line feed for a
// file without one.
std::string_view lineEndOf(std::string_view configuration)
{
    const std::size_t lineFeed = configuration.find('\n');
    return lineFeed != std::string_view::npos && lineFeed > 0 && configuration[lineFeed - 1] == '\r' ? "\r\n" : "\n";
}

} // namespace

std::string mergeIntoConfiguration(std::string_view configuration, NameType type, std::string_view settingLine)
{
    std::string merged(configuration);
    if (const std::optional<ConsoleSetting> setting = lastSetting(configuration, scriptVariable(type))) {
        merged.replace(setting->command.start, setting->command.end - setting->command.start, settingLine);
        return merged;
    }
    const std::string_view lineEnd = lineEndOf(configuration);
    if (!merged.empty() && merged.back() != '\n' && merged.back() != '\r')
        merged += lineEnd;
    merged += settingLine;
    merged += lineEnd;
    return merged;
}

} // namespace glimtags
