#pragma once

#include "core/name_script.h"

#include <string>
#include <string_view>

namespace glimtags {

// The game configuration with the setting line in the place of the "name" (or
// "sv_hostname") setting that takes effect when the game runs the file: the last one,
// read as the console reads it (lastSetting). Only that command's words are replaced;
// comments, other commands on its line and the line end stay. With no such setting
// the line is added at the end, with the line end the file uses. Every other byte
// stays as it was.
std::string mergeIntoConfiguration(std::string_view configuration, NameType type, std::string_view settingLine);

} // namespace glimtags
