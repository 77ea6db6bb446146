#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// The folders a data file opened by bare name (Font.TGA, *.lan, ...) is looked for in,
// in order: the start folder, the program's own folder, then the installed data folder
// share/glimtags beside the program's folder. Duplicates are dropped. A relative
// program path is taken from the start folder.
std::vector<std::string> dataFolders(const std::string& startFolder, const std::string& programPath);

// The path to open a data file by: in the first folder that holds it as a regular file.
// A name holding a '/' is used as given; one no folder holds is given back bare, so
// messages name it as before.
std::string resolveDataFile(std::string_view name, const std::vector<std::string>& folders);

// The folders of the whole process, set once at start; until then, bare names resolve
// against the working directory alone.
void setDataFolders(std::vector<std::string> folders);
std::string findDataFile(std::string_view name);

} // namespace glimtags
