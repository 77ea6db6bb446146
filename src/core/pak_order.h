#pragma once

#include <string_view>

namespace glimtags {

// The game's order of the archives in one folder, weakest first: names compared byte by
// byte as signed chars (so bytes over 127 come before the end of a name), with a-z read as
// A-Z and '\' and ':' as '/'. Below zero when a comes first, zero when the game cannot
// tell them apart, as strcmp does.
int comparePakNames(std::string_view a, std::string_view b);

// Whether the game loads a file of this name as a pk3: it ends in ".pk3" in any case,
// and ".pk3" alone counts.
bool isPakFileName(std::string_view name);

// Whether the game reads a folder of this name as an unpacked pk3: ".pk3" in any case,
// then "dir" in small letters only.
bool isPakFolderName(std::string_view name);

// Whether an entry of a pk3 is the file the game asks for by path: ASCII case and '\'
// for '/' do not count, every other byte must match. The game's look-up hashes ':'
// differently from '/', so a name spelled with ':' is not the same path here.
bool isPakEntryFor(std::string_view entryName, std::string_view path);

} // namespace glimtags
