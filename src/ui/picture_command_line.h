#pragma once

#include "platform/command_line.h"

#include <cstdio>

namespace glimtags {

// Writes the picture --export-picture asks for, without a window or a display: in the
// game's font found through the game folder (the one --game names, else the editor's
// stored one, else the usual one) or else in the editor's own, over the editor's
// background unless transparent. 0 when written; 1, after the reason on errors, when not.
int writeRequestedPicture(const platform::PictureRequest& request, std::FILE* errors);

} // namespace glimtags
