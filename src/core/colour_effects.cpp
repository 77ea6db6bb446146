#include "core/colour_effects.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace glimtags {
namespace {

// The name cut by the drawing rule around the range: the codes that start in it are
// left out, and a code that straddles either edge belongs to the side it starts on.
struct RangeSplit {
    std::string before;
    std::string glyphs;
    std::string after;
    // The code in force where the range's bytes end, codes left out included.
    std::string codeInForce = colourCode('7');
};

RangeSplit splitAtRange(const NameText& name, int start, int end)
{
    const int length = name.length();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    if (start == end) {
        start = 0;
        end = length;
    }
    RangeSplit split;
    for (int i = 0; i < length;) {
        const bool code = startsCode(name, i);
        const int width = code ? std::min(2, length - i) : 1;
        const std::string_view bytes = std::string_view(name.bytes()).substr(static_cast<std::size_t>(i),
                                                                             static_cast<std::size_t>(width));
        if (i < start)
            split.before += bytes;
        else if (i >= end)
            split.after += bytes;
        else if (!code)
            split.glyphs += bytes;
        if (code && i < end)
            split.codeInForce = bytes;
        i += width;
    }
    return split;
}

BoxState selected(const std::string& before, const std::string& changed, const std::string& rest)
{
    const int start = static_cast<int>(before.size());
    return {NameText(before + changed + rest), start, start + static_cast<int>(changed.size())};
}

} // namespace

BoxState removeColourCodes(const NameText& name, int start, int end)
{
    const RangeSplit split = splitAtRange(name, start, end);
    return selected(split.before, split.glyphs, split.after);
}

std::optional<BoxState> rainbow(const NameText& name, int start, int end)
{
    static constexpr std::string_view kRainbowCodes = "132546";
    const RangeSplit split = splitAtRange(name, start, end);
    std::string coloured;
    std::size_t next = 0;
    for (const char glyph : split.glyphs) {
        if (glyph != ' ') {
            coloured += colourCode(static_cast<unsigned char>(kRainbowCodes[next]));
            next = (next + 1) % kRainbowCodes.size();
        }
        coloured += glyph;
    }
    // Text that starts with a code of its own needs no colour restored in front of it.
    const bool restore = !split.after.empty() && !startsCode(NameText(split.after), 0);
    const std::string rest = restore ? split.codeInForce + split.after : split.after;
    if (split.before.size() + coloured.size() + rest.size() > NameText::kMaxBytes)
        return std::nullopt;
    return selected(split.before, coloured, rest);
}

} // namespace glimtags
