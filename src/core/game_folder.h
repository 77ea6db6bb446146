#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glimtags {

// The game folder a fresh setup starts from: the first of ~/.q3a/baseq3,
// <XDG config>/Quake3/baseq3 and ~/.openarena/baseoa that holds a q3config.cfg,
// else the first of them that exists, else ~/.q3a/baseq3; as an absolute path.
// A relative or empty home is taken from the working directory; an empty or
// relative xdgConfigHome counts as unset (~/.config).
std::string perUserGameFolder(std::string_view home, std::string_view xdgConfigHome);

// The per-user game folder of the game a command line names: "ioquake3" ~/.q3a/baseq3,
// "openarena" ~/.openarena/baseoa, as an absolute path; nothing for any other name.
// The game's data folders of the same name are searched beside it.
std::optional<std::string> namedGameFolder(std::string_view game, std::string_view home);

} // namespace glimtags
