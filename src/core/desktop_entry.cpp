#include "core/desktop_entry.h"

#include "core/text_trim.h"

namespace glimtags {
namespace {

std::string unescapeValue(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text.push_back(value[i]);
            continue;
        }
        switch (value[++i]) {
        case 's': text.push_back(' '); break;
        case 'n': text.push_back('\n'); break;
        case 't': text.push_back('\t'); break;
        case 'r': text.push_back('\r'); break;
        case '\\': text.push_back('\\'); break;
        default: text.append({'\\', value[i]}); break;
        }
    }
    return text;
}

} // namespace

std::vector<std::string> applicationFolders(std::string_view dataHome, std::string_view dataDirs,
                                            std::string_view home)
{
    std::vector<std::string> folders;
    folders.push_back((dataHome.empty() ? std::string(home) + "/.local/share" : std::string(dataHome)) +
                      "/applications");
    if (dataDirs.empty())
        dataDirs = "/usr/local/share:/usr/share";
    while (!dataDirs.empty()) {
        const std::size_t colon = dataDirs.find(':');
        const std::string_view folder = dataDirs.substr(0, colon);
        // Relative entries are invalid in the search path and are skipped.
        if (folder.starts_with('/'))
            folders.push_back(std::string(folder) + "/applications");
        dataDirs = colon == std::string_view::npos ? std::string_view() : dataDirs.substr(colon + 1);
    }
    return folders;
}

std::optional<std::string> desktopEntryExec(std::string_view entry)
{
    bool inMainGroup = false;
    while (!entry.empty()) {
        const std::size_t end = entry.find('\n');
        std::string_view line = entry.substr(0, end);
        entry = end == std::string_view::npos ? std::string_view() : entry.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        if (line.starts_with('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup || !line.starts_with("Exec"))
            continue;
        const std::string_view rest = trimmed(line.substr(4), " \t");
        if (!rest.starts_with('='))
            continue;
        std::string command = unescapeValue(trimmed(rest.substr(1), " \t"));
        if (command.empty())
            return std::nullopt;
        return command;
    }
    return std::nullopt;
}

} // namespace glimtags
