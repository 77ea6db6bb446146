#pragma once

#include "core/name_text.h"

namespace glimtags {

// Glyph columns under the game's colour rule (isGameColourCode): a code takes no column,
// every other byte, a caret before a non-code byte included, takes one.

// Number of glyphs the game draws for the name.
int gameGlyphCount(const NameText& name);

// Column of a caret position 0..length: the glyphs drawn for the bytes before it. Inside
// a code the caret stands at the column of the glyph after the code.
int gameGlyphColumn(const NameText& name, int position);

} // namespace glimtags
