#pragma once

#include <optional>
#include <string>

namespace glimtags::platform {

// This user's game folder: the first usual install place of the game that holds a
// configuration, else the first that exists, else the one of the original game.
std::string userGameFolder();

// This user's folder of the game a command line names (ioquake3, openarena); nothing
// for a name of no game.
std::optional<std::string> namedUserGameFolder(const std::string& game);

// Where this program's own file lies, as the system reports it.
std::string programPath();

// The folder the editor was started in; empty when it has been removed since.
std::string startFolder();

} // namespace glimtags::platform
