#include "core/game_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::GameChange;
using glimtags::NameText;
using glimtags::NameType;
using R = glimtags::GameChangeReason;

namespace {

struct Case {
    NameType type;
    std::string typed;
    std::string server;
    std::vector<GameChange> changes;
};

constexpr NameType U = NameType::User;
constexpr NameType H = NameType::Host;
const std::string kUnnamed = "UnnamedPlayer";

void expectCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const glimtags::GameName name = glimtags::serverName(NameText(c.typed), c.type);
        EXPECT_EQ(name.text.bytes(), c.server) << c.typed;
        EXPECT_EQ(name.changes, c.changes) << c.typed;
    }
}

} // namespace

TEST(GameName, NetworkReadTurnsPercentAndHighBytesIntoDots)
{
    expectCases({
        {U, "a%s\x80\xff" "b", "a.s..b", {{1, 2, R::NetworkDot}, {3, 4, R::NetworkDot}, {4, 5, R::NetworkDot}}},
        // The dot is no code byte, so the caret before it stays.
        {U, "a^\xe9", "a^.", {{2, 3, R::NetworkDot}}},
        {H, "%\xff", "..", {{0, 1, R::NetworkDot}, {1, 2, R::NetworkDot}}},
    });
}

TEST(GameName, RefusedValueNeverArrives)
{
    expectCases({
        {U, "a;b", kUnnamed, {{1, 2, R::RefusedByte}}},
        {U, "\"x\"", kUnnamed, {{0, 1, R::RefusedByte}, {2, 3, R::RefusedByte}}},
        {U, "%;", kUnnamed, {{0, 1, R::NetworkDot}, {1, 2, R::RefusedByte}}},
        // No cleaning happens to a name that never arrives.
        {U, "  ^0;", kUnnamed, {{4, 5, R::RefusedByte}}},
        {H, "a;b", "", {{1, 2, R::RefusedByte}}},
    });
}

TEST(GameName, Blanks)
{
    expectCases({
        {U, "A    B     C", "A   B   C", {{4, 5, R::ExtraBlank}, {9, 10, R::ExtraBlank}, {10, 11, R::ExtraBlank}}},
        {U, "  A", "A", {{0, 1, R::LeadingBlank}, {1, 2, R::LeadingBlank}}},
        // Only blanks before everything else are leading; a caret ends a run of blanks.
        {U, "^0 A", " A", {{0, 2, R::BlackCode}}},
        {U, "A  ^0  B", "A    B", {{3, 5, R::BlackCode}}},
    });
}

TEST(GameName, BlackCodes)
{
    expectCases({
        {U, "^8E^9N^aA^!B^^C^", "E^9N^aA^!B^^C^", {{0, 2, R::BlackCode}}},
        {U, "AB^0CD^hE^pF^xG^HH", "ABCDEFGH",
            {{2, 4, R::BlackCode}, {6, 8, R::BlackCode}, {9, 11, R::BlackCode}, {12, 14, R::BlackCode},
                {15, 17, R::BlackCode}}},
        // With ^0 gone the first caret meets the byte after it: a new code, white or black.
        {U, "^^0A", kUnnamed, {{1, 3, R::BlackCode}, {0, 4, R::Unnamed}}},
        {U, "x^^00", "x", {{2, 4, R::BlackCode}, {1, 2, R::BlackCode}, {4, 5, R::BlackCode}}},
    });
}

TEST(GameName, CutAt35BytesWithCodesCounted)
{
    const std::string a34(34, 'a');
    expectCases({
        {U, "12345678901234567890123456789012^1ABCDEF", "12345678901234567890123456789012^1A",
            {{35, 40, R::CutAtLimit}}},
        {U, "   ^0Black^7 \x01 and a name far longer than thirty-six characters",
            "Black^7 \x01 and a name far longer tha",
            {{0, 1, R::LeadingBlank}, {1, 2, R::LeadingBlank}, {2, 3, R::LeadingBlank}, {3, 5, R::BlackCode},
                {40, 63, R::CutAtLimit}}},
        // A cut inside a code keeps its caret, even that of a black code.
        {U, a34 + "^1b", a34 + "^", {{35, 37, R::CutAtLimit}}},
        {U, a34 + "x^0", a34 + "x", {{35, 37, R::CutAtLimit}}},
        {U, "^0" + a34 + "bc", a34 + "b", {{0, 2, R::BlackCode}, {37, 38, R::CutAtLimit}}},
    });
}

TEST(GameName, NothingVisibleLeftGivesUnnamedPlayer)
{
    expectCases({
        {U, "^7", kUnnamed, {{0, 2, R::Unnamed}}},
        {U, " ^0 ", kUnnamed, {{0, 1, R::LeadingBlank}, {1, 3, R::BlackCode}, {0, 4, R::Unnamed}}},
        {U, "", kUnnamed, {{0, 0, R::Unnamed}}},
        {H, "", "", {}},
    });
}

TEST(GameName, NameTheRulesLeaveAloneHasNoChanges)
{
    const std::vector<std::pair<NameType, std::string>> names = {
        {U, "Player"}, {U, "^1Red^7"}, {U, "a^"}, {U, "^^"}, {U, "^!x"}, {U, "A   B"}, {U, "\x01\x1f\x7f"},
        {U, std::string(35, 'x')}, {U, std::string(33, 'x') + "^1"},
        {H, " ^0Host    with blanks, a black code and more than thirty-five bytes"},
    };
    for (const auto& [type, typed] : names)
        expectCases({{type, typed, typed, {}}});
}

TEST(GameName, ThePreviewsServerLineOnlyForANameTheServerChanges)
{
    EXPECT_EQ(glimtags::serverNameIfChanged(NameText("  ^0Dark")), NameText("Dark"));
    for (const char* unchanged : {"", "^1Plain"})
        EXPECT_EQ(glimtags::serverNameIfChanged(NameText(unchanged)), std::nullopt) << unchanged;
}
