#include "core/name_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::ColourRgb;
using glimtags::NameText;

namespace {

struct DrawnGlyph {
    unsigned char byte;
    ColourRgb colour;
    bool operator==(const DrawnGlyph&) const = default;
};

// The glyphs the game draws, each in its colour.
std::vector<DrawnGlyph> walk(const NameText& name)
{
    std::vector<DrawnGlyph> glyphs;
    glimtags::walkGameColours(name, [&](unsigned char byte, ColourRgb colour) { glyphs.push_back({byte, colour}); });
    return glyphs;
}

constexpr ColourRgb kW = glimtags::kWhite;
constexpr ColourRgb kK = glimtags::kBlack;
constexpr ColourRgb kRed{1, 0, 0};
constexpr ColourRgb kGreen{0, 1, 0};
constexpr ColourRgb kYellow{1, 1, 0};

} // namespace

TEST(NameText, KeepsAtMost255BytesUpToTheFirstZeroAndReadsZeroOutside)
{
    EXPECT_EQ(NameText(std::string(300, 'x')).bytes(), std::string(255, 'x'));
    EXPECT_EQ(NameText(std::string("ab\0cd", 5)).bytes(), "ab");
    const NameText name("a\xff");
    EXPECT_EQ(std::vector<int>({name.at(-1), name.at(0), name.at(1), name.at(2)}), (std::vector<int>{0, 'a', 0xff, 0}));
}

// The limit length counts a caret before an ASCII letter as a character of its own.
TEST(NameText, LimitLengthAtTheEdgesOfTheLetters)
{
    const struct { std::string text; int limit; } cases[] = {
        {"^A", 2}, {"^Z", 2}, {"^a", 2},  {"^z", 2},    {"^@", 0},    {"^[", 0},   {"^`", 0},   {"^{", 0},
        {"^1", 0}, {"^^", 0}, {"^\x80", 0}, {"^\xff", 0}, {"^\x01", 0}, {"a^", 1},   {"^^a", 1},  {"^zx^1y", 4},
        {"\x01\x80\xff", 3}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::limitLength(NameText(c.text)), c.limit) << c.text;
    for (const auto& [text, exceeds] : {std::pair{std::string(16, 'a'), false}, {std::string(17, 'a'), true},
                                        {std::string(16, 'a') + "^1", false}, {std::string(15, 'a') + "^a", true}})
        EXPECT_EQ(glimtags::exceedsInGameLimit(NameText(text)), exceeds) << text;
}

// The game takes any caret before a letter or digit as a code, its colour repeating every eight bytes.
TEST(NameText, TheGamesColourRuleWrapsEveryEightBytes)
{
    for (const auto& [code, colour] : {std::pair<unsigned char, ColourRgb>{'0', kK}, {'7', kW}, {'8', kK}, {'9', kRed},
                                       {'a', kRed}, {'h', kK}, {'A', kRed}, {'H', kK}, {'C', kYellow}, {'z', kGreen}})
        EXPECT_EQ(glimtags::gameCodeColour(code), colour) << code;
    EXPECT_EQ(walk(NameText("^^1A^!B^")),
              (std::vector<DrawnGlyph>{{'^', kW}, {'A', kRed}, {'^', kRed}, {'!', kRed}, {'B', kRed}, {'^', kRed}}));
    EXPECT_EQ(walk(NameText("^8x^hy^\xe9^\x01")),
              (std::vector<DrawnGlyph>{{'x', kK}, {'y', kK}, {'^', kK}, {0xe9, kK}, {'^', kK}, {1, kK}}));
    EXPECT_TRUE(glimtags::isGameColourCode(NameText("a^Z"), 1));
    EXPECT_EQ(walk(NameText("^1A^2B^0a^")), (std::vector<DrawnGlyph>{{'A', kRed}, {'B', kGreen}, {'a', kK}, {'^', kK}}));
}
