#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// Where Debian's game packages put the games' shared data.
inline constexpr const char* kSystemGameData = "/usr/share/games";

// The game folder a fresh setup starts from: the first of ~/.q3a/baseq3,
// <XDG config>/Quake3/baseq3 and ~/.openarena/baseoa that holds a q3config.cfg,
// else the first of them that exists; without any, the folder of the game that is
// installed: ~/.openarena/baseoa when <systemData>/openarena/baseoa exists and
// <systemData>/quake3/baseq3 does not, else ~/.q3a/baseq3. As an absolute path.
// A relative or empty home is taken from the working directory; an empty or
// relative xdgConfigHome counts as unset (~/.config).
std::string perUserGameFolder(std::string_view home, std::string_view xdgConfigHome,
                              std::string_view systemData = kSystemGameData);

// The names of the pk3 files in a folder; none when it cannot be read.
std::vector<std::string> pk3FileNames(std::string_view folder);

// The per-user game folder of the game a command line names: "ioquake3" ~/.q3a/baseq3,
// "openarena" ~/.openarena/baseoa, as an absolute path; nothing for any other name.
// The game's data folders of the same name are searched beside it.
std::optional<std::string> namedGameFolder(std::string_view game, std::string_view home);

} // namespace glimtags
