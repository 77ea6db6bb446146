#include "core/update_info.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using glimtags::UpdateInfo;

TEST(UpdateInfo, BothValuesByTheLookupRule)
{
    const struct { const char* body; std::optional<UpdateInfo> expected; } cases[] = {
        {"HighVersion \"1\"\r\nLowVersion \"9\"\r\n", UpdateInfo{1, 9}},
        {"lowversion \"4\"\nHIGHVERSION \"2\"", UpdateInfo{2, 4}},
        {"MyHighVersionNumber=\"5\" theLowVersion \"6\"", UpdateInfo{5, 6}},
        {"HighVersion \"\" LowVersion \"9\"", UpdateInfo{0, 9}},
        {"HighVersion \"1\" LowVersion \"unterminated", UpdateInfo{1, 0}},
        {"HighVersion = see below\nOther \"7\"", UpdateInfo{7, 0}},
        {"HighVersion", UpdateInfo{0, 0}},
        {"", std::nullopt},
        {"<html><body>404 Not Found</body></html>", std::nullopt},
        {"LowVersion \"9\" High Version \"2\"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::parseUpdateInfo(c.body), c.expected) << c.body;
}

TEST(UpdateInfo, LeadingIntegerReadsLikeAtoiWithoutOverflow)
{
    const struct { const char* text; int expected; } cases[] = {
        {"  \t\n\v\f\r42abc", 42}, {"+7", 7},     {"-12", -12},  {"1.9", 1},   {"", 0},   {"abc", 0},
        {"-", 0},                  {"+-3", 0},    {"- 3", 0},    {"0009", 9},  {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},   {"-2147483648", INT_MIN},     {"-2147483649", INT_MIN},
        {"123456789012345678901234567890", INT_MAX},             {"-123456789012345678901234567890", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::leadingInteger(c.text), c.expected) << '[' << c.text << ']';
}

TEST(UpdateInfo, OnlyVersionsAfterTheBaselineAreNewer)
{
    const struct { int high, low; bool newer; } cases[] = {
        {1, 8, false}, {1, 9, true}, {2, 0, true}, {0, 99, false}, {1, 0, false}, {INT_MAX, INT_MIN, true}};
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::isNewerVersion(c.high, c.low), c.newer) << c.high << '.' << c.low;
}
