#include "core/needless_codes.h"

#include "core/game_name.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using glimtags::BoxState;
using glimtags::ColourRgb;
using glimtags::Game;
using glimtags::NameText;

namespace {

// Name as typed, then as compacted over the whole name.
using CompactCase = std::pair<std::string, std::string>;

void expectCompacted(std::initializer_list<CompactCase> cases)
{
    for (const auto& [name, result] : cases)
        EXPECT_EQ(glimtags::removeNeedlessCodes(NameText(name), 0, 0, Game::Ioquake3),
                  (BoxState{NameText(result), 0, static_cast<int>(result.size())}))
            << name;
}

TEST(NeedlessCodes, ACodeBeforeAnotherCodeGoes)
{
    expectCompacted({{"^1^2a", "^2a"}, {"^1^2^3a", "^3a"}, {"a^1^Zb", "a^Zb"}});
}

TEST(NeedlessCodes, ACodeThatRepeatsTheColourInForceGoes)
{
    // The colour counts, not the byte: ^9 is red like ^1, and a name starts white.
    expectCompacted({{"^2a^2b", "^2ab"}, {"^1a^9b", "^1ab"}, {"^7a", "a"}, {"a^wb", "ab"}});
}

TEST(NeedlessCodes, ACodeAfterTheLastGlyphGoes)
{
    expectCompacted({{"a^1", "a"}, {"^1a^2^3", "^1a"}, {"^1^2", ""}});
}

TEST(NeedlessCodes, ACodeThatColoursOnlyBlanksGoes)
{
    expectCompacted({{"^1a^2 ^1b", "^1a b"}, {"^1a^2 ^3b", "^1a ^3b"}, {"a^1  ", "a  "}});
}

TEST(NeedlessCodes, ACodeTheDrawingNeedsStays)
{
    expectCompacted({
        {"^1a^2b", "^1a^2b"},
        // A caret before a byte that is no code byte is a glyph, and takes the colour.
        {"^1^^2a", "^1^^2a"},
        {"^1a^2^", "^1a^2^"},
        // Without the second ^1 the drawn caret would pair with the 'a' behind it.
        {"^1^^1a", "^1^^1a"},
        {"^^7a", "^^7a"},
    });
}

TEST(NeedlessCodes, ACodeTheServersVersionNeedsStays)
{
    expectCompacted({
        // The server drops black codes: there the 'a' is red, so ^1 is needed.
        {"^1^0a", "^1^0a"},
        // A code ends a run of blanks, and the server keeps at most three in a row.
        {"a  ^1  ^2b", "a  ^1  ^2b"},
        {"a ^1  ^2b", "a   ^2b"},
        // Blanks at the very start go on the server; behind a code they stay.
        {"^1 ^2a", "^1 ^2a"},
    });
}

TEST(NeedlessCodes, ANameTheServerCutsLosesItsNeedlessCodesToo)
{
    const std::string x30(30, 'x');
    expectCompacted({
        // The server shows more of the shorter name, and the same up to the old cut...
        {"^1^2" + x30 + "xxxxxxxxxx", "^2" + x30 + "xxxxxxxxxx"},
        // ...where a caret the cut parted from its code byte was drawn as a glyph.
        {"^1^1" + x30 + "^2y", "^1" + x30 + "^2y"},
    });
}

TEST(NeedlessCodes, OnlyCodesThatStartInTheRangeGoAndTheRestOfTheRangeStaysSelected)
{
    struct RangeCase {
        const char* name;
        int start;
        int end;
        BoxState result;
    };
    const RangeCase cases[] = {
        {"^1^2a^3^4b", 5, 10, {NameText("^1^2a^4b"), 5, 8}},
        // Judged in the whole name: the colour in force comes from before the range.
        {"^1a^1b", 3, 6, {NameText("^1ab"), 3, 4}},
        // A code at the range's last byte goes with its code byte.
        {"a^1^2b", 1, 2, {NameText("a^2b"), 1, 1}},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(glimtags::removeNeedlessCodes(NameText(c.name), c.start, c.end, Game::Ioquake3), c.result)
            << c.name << " [" << c.start << ", " << c.end << ")";
}

// What a player sees: each glyph with its colour; a blank has none.
std::vector<std::pair<unsigned char, ColourRgb>> glyphs(const NameText& name)
{
    std::vector<std::pair<unsigned char, ColourRgb>> drawn;
    glimtags::walkGameColours(name, [&drawn](unsigned char byte, ColourRgb colour) {
        drawn.emplace_back(byte, byte == ' ' ? glimtags::kWhite : colour);
    });
    return drawn;
}

TEST(NeedlessCodes, CompactingNeverChangesWhatIsDrawnAndASecondPassChangesNothing)
{
    constexpr std::string_view kAlphabet = "^^^^^^0123789aAzZw   .!%\x80";
    for (const Game game : glimtags::kGames) {
        std::mt19937 random(20261207);
        std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
        std::uniform_int_distribution<int> length(0, 60);
        int saved = 0;
        for (int n = 0; n < 5000; ++n) {
            std::string bytes(static_cast<std::size_t>(length(random)), ' ');
            for (char& byte : bytes)
                byte = kAlphabet[pick(random)];
            const NameText name(bytes);
            const NameText compact = glimtags::removeNeedlessCodes(name, 0, 0, game).name;

            ASSERT_LE(compact.length(), name.length()) << bytes;
            ASSERT_EQ(glyphs(compact), glyphs(name)) << bytes;
            if (!glimtags::serverCut(name, game)) {
                ASSERT_EQ(glyphs(glimtags::serverName(compact, glimtags::NameType::User, game).text),
                          glyphs(glimtags::serverName(name, glimtags::NameType::User, game).text))
                    << bytes;
            }
            ASSERT_EQ(glimtags::removeNeedlessCodes(compact, 0, 0, game).name, compact) << bytes;
            saved += name.length() - compact.length();
        }
        EXPECT_GT(saved, 5000) << "the names hold needless codes to find";
    }
}

} // namespace
