#include "core/game_glyphs.h"

#include <algorithm>

namespace glimtags {

int gameGlyphCount(const NameText& name)
{
    return gameGlyphColumn(name, name.length());
}

int gameGlyphColumn(const NameText& name, int position)
{
    int column = 0;
    for (int i = 0; i < std::min(position, name.length()); ++i) {
        if (isGameColourCode(name, i))
            ++i;
        else
            ++column;
    }
    return column;
}

} // namespace glimtags
