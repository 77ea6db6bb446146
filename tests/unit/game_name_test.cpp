#include "core/game_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::Game;
using glimtags::GameChange;
using glimtags::NameText;
using glimtags::NameType;
using R = glimtags::GameChangeReason;

namespace {

struct Case {
    Game game;
    NameType type;
    std::string typed;
    std::string server;
    std::vector<GameChange> changes;
};

constexpr Game Q3 = Game::Ioquake3;
constexpr Game OA = Game::OpenArena;
constexpr NameType U = NameType::User;
constexpr NameType H = NameType::Host;
const std::string kUnnamed = "UnnamedPlayer";
const std::string kNameless = "Nameless0";

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const glimtags::GameName name = glimtags::serverName(NameText(c.typed), c.type, c.game);
        EXPECT_EQ(name.text.bytes(), c.server) << c.typed << " in " << glimtags::gameProfile(c.game).key;
        EXPECT_EQ(name.changes, c.changes) << c.typed << " in " << glimtags::gameProfile(c.game).key;
    }
}

} // namespace

// The engine's steps, the same under both game modules.
TEST(GameName, NetworkReadTurnsPercentAndHighBytesIntoDots)
{
    expectCases({
        {Q3, U, "a%s\x80\xff" "b", "a.s..b", {{1, 2, R::NetworkDot}, {3, 4, R::NetworkDot}, {4, 5, R::NetworkDot}}},
        {OA, U, "a%b\xe9", "a.b.", {{1, 2, R::NetworkDot}, {3, 4, R::NetworkDot}}},
        // The dot is no code byte, so the caret before it stays.
        {Q3, U, "a^\xe9", "a^.", {{2, 3, R::NetworkDot}}},
        {Q3, H, "%\xff", "..", {{0, 1, R::NetworkDot}, {1, 2, R::NetworkDot}}},
    });
}

TEST(GameName, RefusedValueNeverArrives)
{
    expectCases({
        {Q3, U, "a;b", kUnnamed, {{1, 2, R::RefusedByte}}},
        {OA, U, "a;b", kNameless, {{1, 2, R::RefusedByte}}},
        {Q3, U, "\"x\"", kUnnamed, {{0, 1, R::RefusedByte}, {2, 3, R::RefusedByte}}},
        {Q3, U, "%;", kUnnamed, {{0, 1, R::NetworkDot}, {1, 2, R::RefusedByte}}},
        // No cleaning happens to a name that never arrives.
        {Q3, U, "  ^0;", kUnnamed, {{4, 5, R::RefusedByte}}},
        {OA, H, "a\\b", "", {{1, 2, R::RefusedByte}}},
    });
}

TEST(GameName, LeadingBlanksAndRunsOfBlanks)
{
    for (const Game game : glimtags::kGames) {
        expectCases({
            {game, U, "A    B     C", "A   B   C", {{4, 5, R::ExtraBlank}, {9, 10, R::ExtraBlank}, {10, 11, R::ExtraBlank}}},
            {game, U, "  A", "A", {{0, 1, R::LeadingBlank}, {1, 2, R::LeadingBlank}}},
        });
    }
    // Only blanks before everything else are leading; a caret ends a run of blanks.
    expectCases({
        {Q3, U, "^0 A", " A", {{0, 2, R::BlackCode}}},
        {Q3, U, "A  ^0  B", "A    B", {{3, 5, R::BlackCode}}},
    });
}

TEST(GameName, BlackCodesDroppedByIoquake3KeptByOpenArena)
{
    expectCases({
        {Q3, U, "^8E^9N^aA^!B^^C^", "E^9N^aA^!B^^C^", {{0, 2, R::BlackCode}}},
        {Q3, U, "AB^0CD^hE^pF^xG^HH", "ABCDEFGH",
            {{2, 4, R::BlackCode}, {6, 8, R::BlackCode}, {9, 11, R::BlackCode}, {12, 14, R::BlackCode},
                {15, 17, R::BlackCode}}},
        {Q3, U, "A^0B", "AB", {{1, 3, R::BlackCode}}},
        {Q3, U, "x^0", "x", {{1, 3, R::BlackCode}}},
        // With ^0 gone the first caret meets the byte after it: a new code, white or black.
        {Q3, U, "^^0A", kUnnamed, {{1, 3, R::BlackCode}, {0, 4, R::Unnamed}}},
        {Q3, U, "x^^00", "x", {{2, 4, R::BlackCode}, {1, 2, R::BlackCode}, {4, 5, R::BlackCode}}},
        {OA, U, "A^0B", "A^0B", {}},
        {OA, U, "x^0", "x^0", {}},
        {OA, U, "AB^8CD^hE^pF^xG^HH", "AB^8CD^hE^pF^xG^HH", {}},
    });
}

// OpenArena judges codes as ^0..^8 only, and takes only ^0 for black.
TEST(GameName, NameWithoutColouredLetterOrDigit)
{
    expectCases({
        {Q3, U, "^1^0X", "^1X", {{2, 4, R::BlackCode}}},
        {OA, U, "^1^0X", "X", {{0, 2, R::Uncoloured}, {2, 4, R::Uncoloured}}},
        {Q3, U, "^1^0^8^P", kUnnamed, {{2, 4, R::BlackCode}, {4, 6, R::BlackCode}, {6, 8, R::BlackCode}, {0, 8, R::Unnamed}}},
        {OA, U, "^1^0^8^P", "^P", {{0, 2, R::Uncoloured}, {2, 4, R::Uncoloured}, {4, 6, R::Uncoloured}}},
        {OA, U, "^0^9X", "^9X", {{0, 2, R::Uncoloured}}},
        {OA, U, "-\x01^1-", "--", {{1, 2, R::Uncoloured}, {2, 4, R::Uncoloured}}},
        {OA, U, "^8X", "^8X", {}},
        {OA, U, "^9", "^9", {}},
        // A letter right after a caret that starts no code is drawn but not counted.
        {OA, U, "^a^1", "^a", {{2, 4, R::Uncoloured}}},
    });
}

TEST(GameName, WhatCountsAsACodeWhenNothingIsVisible)
{
    for (const char* typed : {"^P", "^h", "^O"})
        expectCases({{OA, U, typed, typed, {}}});
    expectCases({
        {Q3, U, "^P", kUnnamed, {{0, 2, R::BlackCode}, {0, 2, R::Unnamed}}},
        {Q3, U, "^h", kUnnamed, {{0, 2, R::BlackCode}, {0, 2, R::Unnamed}}},
        {Q3, U, "^O", kUnnamed, {{0, 2, R::Unnamed}}},
    });
}

TEST(GameName, NothingLeftGivesTheDefaultName)
{
    for (const char* typed : {"", "^7", "    ", "^1^2^3"}) {
        const int length = static_cast<int>(std::string(typed).size());
        const std::vector<GameChange> blanks =
            typed[0] == ' ' ? std::vector<GameChange>{{0, 1, R::LeadingBlank}, {1, 2, R::LeadingBlank},
                                                      {2, 3, R::LeadingBlank}, {3, 4, R::LeadingBlank}}
                            : std::vector<GameChange>{};
        std::vector<GameChange> unnamed = blanks;
        unnamed.push_back({0, length, R::Unnamed});
        expectCases({{Q3, U, typed, kUnnamed, unnamed}, {OA, U, typed, kNameless, unnamed}});
    }
    expectCases({
        {Q3, U, " ^0 ", kUnnamed, {{0, 1, R::LeadingBlank}, {1, 3, R::BlackCode}, {0, 4, R::Unnamed}}},
        {Q3, H, "", "", {}},
        {OA, H, "", "", {}},
    });
}

TEST(GameName, ControlBytesOnly)
{
    for (const char* typed : {"\x01", "\x01\x02", "\x7f"}) {
        const int length = static_cast<int>(std::string(typed).size());
        expectCases({{Q3, U, typed, typed, {}}, {OA, U, typed, kNameless, {{0, length, R::Unnamed}}}});
    }
}

TEST(GameName, CutAt35BytesWithCodesCounted)
{
    const std::string a34(34, 'a');
    const std::string codes17 = "^1^1^1^1^1^1^1^1^1^1^1^1^1^1^1^1^1";
    for (const Game game : glimtags::kGames) {
        expectCases({
            {game, U, "12345678901234567890123456789012^1ABCDEF", "12345678901234567890123456789012^1A",
                {{35, 40, R::CutAtLimit}}},
            // A cut inside a code keeps its caret.
            {game, U, a34 + "^1b", a34 + "^", {{35, 37, R::CutAtLimit}}},
        });
    }
    expectCases({
        {Q3, U, "   ^0Black^7 \x01 and a name far longer than thirty-six characters",
            "Black^7 \x01 and a name far longer tha",
            {{0, 1, R::LeadingBlank}, {1, 2, R::LeadingBlank}, {2, 3, R::LeadingBlank}, {3, 5, R::BlackCode},
                {40, 63, R::CutAtLimit}}},
        {Q3, U, a34 + "x^0", a34 + "x", {{35, 37, R::CutAtLimit}}},
        {Q3, U, "^0" + a34 + "bc", a34 + "b", {{0, 2, R::BlackCode}, {37, 38, R::CutAtLimit}}},
        // A cut that leaves only codes and a caret.
        {Q3, U, codes17 + "^1", codes17 + "^", {{35, 36, R::CutAtLimit}}},
    });
    std::vector<GameChange> stripped{{35, 36, R::CutAtLimit}};
    for (int i = 0; i < 34; i += 2)
        stripped.push_back({i, i + 2, R::Uncoloured});
    expectCases({{OA, U, codes17 + "^1", "^", stripped}});
}

TEST(GameName, NameTheRulesLeaveAloneHasNoChanges)
{
    const std::vector<std::pair<NameType, std::string>> names = {
        {U, "Player"}, {U, "^1Red^7"}, {U, "a^"}, {U, "^^"}, {U, "^!x"}, {U, "A   B"}, {U, "\x01\x1f\x7f" "A"},
        {U, std::string(35, 'x')}, {U, std::string(33, 'x') + "^1"},
        {H, " ^0Host    with blanks, a black code and more than thirty-five bytes"},
    };
    for (const Game game : glimtags::kGames)
        for (const auto& [type, typed] : names)
            expectCases({{game, type, typed, typed, {}}});
}

TEST(GameName, ThePreviewsServerLineOnlyForANameTheServerChanges)
{
    EXPECT_EQ(glimtags::serverNameIfChanged(NameText("  ^0Dark"), Q3), NameText("Dark"));
    EXPECT_EQ(glimtags::serverNameIfChanged(NameText("  ^0Dark"), OA), NameText("Dark"));
    for (const Game game : glimtags::kGames)
        for (const char* unchanged : {"", "^1Plain"})
            EXPECT_EQ(glimtags::serverNameIfChanged(NameText(unchanged), game), std::nullopt) << unchanged;
}
