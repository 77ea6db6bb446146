#include "core/name_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::ColourRgb;
using glimtags::NameText;

namespace {

struct WorkedCase {
    std::string text;
    int visible;
    int limit;
    std::vector<int> columns; // for p = 0 .. length
};

std::vector<int> allColumns(const NameText& name)
{
    std::vector<int> columns;
    for (int p = 0; p <= name.length(); ++p)
        columns.push_back(glimtags::visibleColumn(name, p));
    return columns;
}

struct DrawnGlyph {
    unsigned char byte;
    ColourRgb colour;
    bool operator==(const DrawnGlyph&) const = default;
};

std::vector<DrawnGlyph> walk(const NameText& name)
{
    std::vector<DrawnGlyph> glyphs;
    glimtags::walkColours(name, [&](unsigned char byte, ColourRgb colour) { glyphs.push_back({byte, colour}); });
    return glyphs;
}

constexpr ColourRgb kRed{1, 0, 0};
constexpr ColourRgb kGreen{0, 1, 0};
constexpr ColourRgb kBlack{0, 0, 0};

} // namespace

TEST(NameText, WorkedTable)
{
    const std::vector<WorkedCase> cases = {
        {"^1ab", 2, 2, {0, 0, 0, 1, 2}},
        {"^ab", 1, 3, {0, 0, 0, 1}},
        {"^Abc", 2, 4, {0, 0, 0, 1, 2}},
        {"ab^7c", 3, 3, {0, 1, 2, 2, 2, 3}},
        {"a^", 1, 1, {0, 1, 1}},
        {"^^a", 1, 1, {0, -1, -1, -1}},
        {"^", 0, 0, {0, 0}},
        {"", 0, 0, {0}},
    };
    for (const WorkedCase& c : cases) {
        const NameText name(c.text);
        EXPECT_EQ(glimtags::visibleLength(name), c.visible) << c.text;
        EXPECT_EQ(glimtags::limitLength(name), c.limit) << c.text;
        EXPECT_EQ(allColumns(name), c.columns) << c.text;
    }
}

TEST(NameText, VisibleLengthMatchesColourWalk)
{
    for (const char* text : {"^1ab", "^^a", "a^", "^8x^zx", "\x01^1\x80\xff", ""}) {
        const NameText name(text);
        EXPECT_EQ(glimtags::visibleLength(name), static_cast<int>(walk(name).size())) << text;
    }
}

TEST(NameText, ReadsZeroOutsideTheText)
{
    const NameText name("ab");
    EXPECT_EQ(name.at(-1), 0);
    EXPECT_EQ(name.at(-100), 0);
    EXPECT_EQ(name.at(2), 0);
    EXPECT_EQ(name.at(3), 0);
    EXPECT_EQ(name.at(1), 'b');
}

TEST(NameText, KeepsAtMost255BytesAndStopsAtZero)
{
    EXPECT_EQ(NameText(std::string(300, 'x')).length(), 255);
    EXPECT_EQ(NameText(std::string("ab\0cd", 5)).bytes(), "ab");
    EXPECT_EQ(NameText("\xff\x80").at(0), 0xff);
}

TEST(NameText, TrailingCaretOf255BytesReadsNothingBeyond)
{
    // A caret as the last of 255 bytes: the walk and the rules peek at bytes 255 and 256.
    const NameText name(std::string(254, 'a') + "^");
    EXPECT_EQ(glimtags::visibleLength(name), 254);
    EXPECT_EQ(glimtags::limitLength(name), 254);
    EXPECT_EQ(glimtags::visibleColumn(name, 255), 254);
    EXPECT_EQ(walk(name).back().byte, 'a');
}

TEST(NameText, CodeColours)
{
    const std::vector<std::pair<unsigned char, ColourRgb>> table = {
        {'0', {0, 0, 0}}, {'1', {1, 0, 0}}, {'2', {0, 1, 0}}, {'3', {1, 1, 0}},
        {'4', {0, 0, 1}}, {'5', {0, 1, 1}}, {'6', {1, 0, 1}}, {'7', {1, 1, 1}},
        {'8', {1, 1, 1}}, {'9', {1, 1, 1}}, {'a', {1, 1, 1}}, {'^', {1, 1, 1}},
        {0, {1, 1, 1}}, {3, {1, 1, 1}}, {200, {1, 1, 1}}, {'/', {1, 1, 1}},
    };
    for (const auto& [code, colour] : table)
        EXPECT_EQ(glimtags::codeColour(code), colour) << static_cast<int>(code);
}

TEST(NameText, ColourWalk)
{
    EXPECT_EQ(walk(NameText("^1A^2B")), (std::vector<DrawnGlyph>{{'A', kRed}, {'B', kGreen}}));
    // The second caret is the code byte of the first and selects white.
    EXPECT_EQ(walk(NameText("^^a")), (std::vector<DrawnGlyph>{{'a', glimtags::kWhite}}));
    EXPECT_EQ(walk(NameText("^8x")), (std::vector<DrawnGlyph>{{'x', glimtags::kWhite}}));
    EXPECT_EQ(walk(NameText("^0a^")), (std::vector<DrawnGlyph>{{'a', kBlack}}));
    EXPECT_EQ(walk(NameText("a^1")), (std::vector<DrawnGlyph>{{'a', glimtags::kWhite}}));
}

TEST(NameText, LimitLengthCountsCaretBeforeLetterOnly)
{
    EXPECT_EQ(glimtags::limitLength(NameText("^a")), 2);
    EXPECT_EQ(glimtags::limitLength(NameText("^1")), 0);
    EXPECT_EQ(glimtags::limitLength(NameText("^zx")), 3);
    EXPECT_EQ(glimtags::visibleLength(NameText("^zx")), 1);
    // Bytes above 127 are no letters, nor are control bytes.
    EXPECT_EQ(glimtags::limitLength(NameText("^\xe9x")), 1);
    EXPECT_EQ(glimtags::limitLength(NameText("^\x01x")), 1);
    EXPECT_EQ(glimtags::limitLength(NameText("\x01\x80\xff")), 3);
    EXPECT_EQ(glimtags::limitLength(NameText("^Z^[")), 2);
}
