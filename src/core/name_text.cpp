#include "core/name_text.h"

namespace glimtags {

NameText::NameText(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    bytes_.assign(bytes.substr(0, kMaxBytes));
}

static constexpr ColourRgb kCodeColours[8] = {
    {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0},
    {0, 0, 1}, {0, 1, 1}, {1, 0, 1}, {1, 1, 1},
};

static bool isAsciiLetter(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

bool startsLimitCode(const NameText& name, int index)
{
    return startsCode(name, index) && !isAsciiLetter(name.at(index + 1));
}

int limitLength(const NameText& name)
{
    int count = 0;
    for (int i = 0; i < name.length();) {
        if (startsLimitCode(name, i)) {
            i += 2;
        } else {
            ++count;
            ++i;
        }
    }
    return count;
}

bool isGameCodePair(unsigned char first, unsigned char second)
{
    return first == kCaret && (isAsciiLetter(second) || (second >= '0' && second <= '9'));
}

ColourRgb gameCodeColour(unsigned char codeByte)
{
    return kCodeColours[(codeByte - '0') & 7];
}

} // namespace glimtags
