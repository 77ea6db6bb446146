#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// The folders in which the desktop's program entries (*.desktop) are looked for,
// the user's own first: $XDG_DATA_HOME (else ~/.local/share), then each absolute
// folder of $XDG_DATA_DIRS (else /usr/local/share and /usr/share), each with
// "/applications" appended.
std::vector<std::string> applicationFolders(std::string_view dataHome, std::string_view dataDirs,
                                            std::string_view home);

// The command line of a desktop entry: the Exec value of its [Desktop Entry]
// group, with the value escapes \s \n \t \r \\ resolved. Nothing when the group
// has no Exec key or its value is empty.
std::optional<std::string> desktopEntryExec(std::string_view entry);

} // namespace glimtags
