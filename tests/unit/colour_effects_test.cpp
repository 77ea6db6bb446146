#include "core/colour_effects.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using glimtags::BoxState;
using glimtags::NameText;

namespace {

struct EffectCase {
    std::string name;
    int start;
    int end;
    std::string result;
    int selectionStart;
    int selectionEnd;
};

TEST(ColourEffects, RemoveColourCodes)
{
    const EffectCase cases[] = {
        {"^1ab^2cd", 0, 0, "abcd", 0, 4},
        // A code starting at the range's last byte goes with its code byte.
        {"a^1b^2c", 1, 5, "abc", 1, 2},
        // Codes that start before or after the range stay.
        {"^1ab^2c", 1, 4, "^1ab^2c", 2, 4},
        // "^^" is one code, so no code starts at byte 1.
        {"^^1x", 1, 4, "^^1x", 2, 4},
        {"", 0, 0, "", 0, 0},
    };
    for (const EffectCase& c : cases)
        EXPECT_EQ(glimtags::removeColourCodes(NameText(c.name), c.start, c.end),
                  (BoxState{NameText(c.result), c.selectionStart, c.selectionEnd}))
            << c.name << " [" << c.start << ", " << c.end << ")";
}

TEST(ColourEffects, Rainbow)
{
    const EffectCase cases[] = {
        {"abcdefg", 0, 0, "^1a^3b^2c^5d^4e^6f^1g", 0, 21},
        // Spaces keep no code and use up no colour.
        {"a  b", 0, 0, "^1a  ^3b", 0, 8},
        {"ab^", 0, 0, "^1a^3b", 0, 6},
        // White, or the code in force, comes back for the text after the range.
        {"xaby", 1, 3, "x^1a^3b^7y", 1, 7},
        {"^4xaby", 3, 5, "^4x^1a^3b^4y", 3, 9},
        {"ab^5c", 0, 3, "^1a^3b^5c", 0, 6},
        // Text that starts with its own code needs none restored.
        {"ab^5c", 0, 2, "^1a^3b^5c", 0, 6},
        // The code byte of a code before the range is no glyph.
        {"^5abc", 1, 3, "^5^1a^5bc", 2, 5},
    };
    for (const EffectCase& c : cases)
        EXPECT_EQ(glimtags::rainbow(NameText(c.name), c.start, c.end),
                  (BoxState{NameText(c.result), c.selectionStart, c.selectionEnd}))
            << c.name << " [" << c.start << ", " << c.end << ")";
}

TEST(ColourEffects, RainbowRefusedPast255Bytes)
{
    for (const auto& [name, end, fits] : {std::tuple{std::string(85, 'a'), 0, true}, {std::string(86, 'a'), 0, false},
                                          {std::string(84, 'a') + "b", 84, true}, {std::string(85, 'a') + "b", 85, false}})
        EXPECT_EQ(glimtags::rainbow(NameText(name), 0, end).has_value(), fits) << name.size() << " " << end;
}

} // namespace
