#include "core/needless_codes.h"

#include "core/game_name.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glimtags {
namespace {

struct DrawnGlyph {
    unsigned char byte;
    ColourRgb colour;
    bool operator==(const DrawnGlyph&) const = default;
};

using Drawing = std::vector<DrawnGlyph>;

// Each glyph the game draws for the name, with its colour; a blank draws nothing, so
// its colour is no part of the picture.
Drawing drawing(const NameText& name)
{
    Drawing glyphs;
    walkGameColours(name, [&glyphs](unsigned char byte, ColourRgb colour) {
        glyphs.push_back({byte, byte == ' ' ? kWhite : colour});
    });
    return glyphs;
}

// What players see of the name on a server, and whether the server cut it.
struct ServerDrawing {
    Drawing glyphs;
    bool cut;
};

ServerDrawing serverDrawing(const NameText& name, Game game)
{
    return {drawing(serverName(name, NameType::User, game).text), serverCut(name, game).has_value()};
}

// A shorter name shows more before the server's cut: only what the longer one showed
// must stay, bar a caret the cut parted from its code byte.
bool showsTheSame(const ServerDrawing& longer, const ServerDrawing& shorter)
{
    if (!longer.cut)
        return longer.glyphs == shorter.glyphs;
    Drawing seen = longer.glyphs;
    if (!seen.empty() && seen.back().byte == kCaret)
        seen.pop_back();
    return seen.size() <= shorter.glyphs.size() && std::equal(seen.begin(), seen.end(), shorter.glyphs.begin());
}

bool drawsAlike(const NameText& name, const NameText& shorter, Game game)
{
    return drawing(name) == drawing(shorter) &&
        showsTheSame(serverDrawing(name, game), serverDrawing(shorter, game));
}

} // namespace

BoxState removeNeedlessCodes(const NameText& name, int start, int end, Game game)
{
    start = std::clamp(start, 0, name.length());
    end = std::clamp(end, start, name.length());
    if (start == end) {
        start = 0;
        end = name.length();
    }
    NameText compact = name;
    for (int i = start; i < end;) {
        if (!isGameColourCode(compact, i)) {
            ++i;
            continue;
        }
        std::string bytes = compact.bytes();
        bytes.erase(static_cast<std::size_t>(i), 2);
        const NameText without(bytes);
        if (drawsAlike(compact, without, game)) {
            // A code at the range's last byte takes its code byte from behind the range.
            end -= std::min(2, end - i);
            compact = without;
        } else {
            i += 2;
        }
    }
    return {compact, start, end};
}

} // namespace glimtags
