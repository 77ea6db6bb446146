#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glimtags {

inline constexpr unsigned char kCaret = '^';

// A game name: at most 255 bytes, no zero byte. Reads outside the text yield 0,
// so rules that peek around a caret never fail at the ends.
class NameText {
public:
    static constexpr std::size_t kMaxBytes = 255;

    NameText() = default;
    // Keeps the bytes before the first zero byte, at most kMaxBytes of them.
    explicit NameText(std::string_view bytes);

    unsigned char at(long index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < bytes_.size()
            ? static_cast<unsigned char>(bytes_[static_cast<std::size_t>(index)])
            : 0;
    }
    int length() const { return static_cast<int>(bytes_.size()); }
    bool empty() const { return bytes_.empty(); }
    const std::string& bytes() const { return bytes_; }

    bool operator==(const NameText&) const = default;

private:
    std::string bytes_;
};

struct ColourRgb {
    float red;
    float green;
    float blue;
    bool operator==(const ColourRgb&) const = default;
};

inline constexpr ColourRgb kWhite{1.0f, 1.0f, 1.0f};
inline constexpr ColourRgb kBlack{0.0f, 0.0f, 0.0f};

// Three rules tell where a colour code starts; each has one name here.

// The editing rule: every caret starts a two-byte code, whatever follows it, which the
// caret never stands inside and the string check judges by.
inline bool startsCode(const NameText& name, int index) { return name.at(index) == kCaret; }

// The limit rule: a caret before an ASCII letter counts as a character of its own.
bool startsLimitCode(const NameText& name, int index);

// The game's own rule, which the server and its players draw by: a caret followed by
// an ASCII letter or digit is a code; any other caret is drawn.
bool isGameCodePair(unsigned char first, unsigned char second);
inline bool isGameColourCode(const NameText& name, int index)
{
    return isGameCodePair(name.at(index), name.at(index + 1));
}

// The two bytes of a code with the given code byte.
inline std::string colourCode(unsigned char codeByte)
{
    return {static_cast<char>(kCaret), static_cast<char>(codeByte)};
}

// Length the name limits are measured against: a caret before an ASCII letter counts
// as a character of its own, like the game's own length rule.
int limitLength(const NameText& name);

// The game's screen shows at most this many characters of a name.
inline constexpr int kInGameLimit = 16;
inline bool exceedsInGameLimit(const NameText& name) { return limitLength(name) > kInGameLimit; }

// Colour of a game code byte: (byte - '0') & 7 over the eight colours, so ^8 is black.
ColourRgb gameCodeColour(unsigned char codeByte);

// The colour walk under the game's rule: draw(byte, colour) for every glyph, in order.
// The colour starts white; a code takes its colour and draws nothing.
template <typename DrawGlyph>
void walkGameColours(const NameText& name, DrawGlyph&& draw)
{
    ColourRgb colour = kWhite;
    for (int i = 0; i < name.length(); ++i) {
        if (isGameColourCode(name, i))
            colour = gameCodeColour(name.at(++i));
        else
            draw(name.at(i), colour);
    }
}

} // namespace glimtags
