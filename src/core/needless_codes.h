#pragma once

#include "core/box_state.h"
#include "core/game_profile.h"

namespace glimtags {

// Takes out of the bytes [start, end) of the name (start == end: the whole name) every
// colour code, by the game's rule, that changes nothing the game draws: no glyph and no
// colour of a glyph, of the name or of the server's version of it, is different without
// it on the given game's server. A blank shows no colour. Such a code follows another code before any glyph,
// repeats the colour in force, colours only blanks, or stands after the last glyph;
// one that the server needs for the blanks or black codes around it, or whose going
// would pair a drawn caret with the byte behind it, stays. Codes are judged in the
// whole name; the rest of the name is kept byte for byte. Gives the new name with what
// is left of the range selected.
BoxState removeNeedlessCodes(const NameText& name, int start, int end, Game game);

} // namespace glimtags
