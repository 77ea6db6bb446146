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

ColourRgb codeColour(unsigned char codeByte)
{
    if (codeByte >= '0' && codeByte <= '7')
        return kCodeColours[codeByte - '0'];
    return kWhite;
}

int visibleLength(const NameText& name)
{
    int count = 0;
    walkColours(name, [&count](unsigned char, ColourRgb) { ++count; });
    return count;
}

int gameGlyphCount(const NameText& name)
{
    int count = 0;
    walkGameColours(name, [&count](unsigned char, ColourRgb) { ++count; });
    return count;
}

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

int visibleColumn(const NameText& name, int position)
{
    int carets = 0;
    for (int i = 0; i < position; ++i)
        if (startsCode(name, i))
            ++carets;
    const int betweenCaretAndCode = startsCode(name, position - 1) && !startsCode(name, position);
    return position - 2 * carets + betweenCaretAndCode;
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
