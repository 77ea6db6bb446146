#pragma once

#include <string>

namespace glimtags::platform {

// This user's game folder: the first usual install place of the game that holds a
// configuration, else the first that exists, else the one of the original game.
std::string userGameFolder();

// Where this program's own file lies, as the system reports it.
std::string programPath();

// The folder the editor was started in; empty when it has been removed since.
std::string startFolder();

} // namespace glimtags::platform
