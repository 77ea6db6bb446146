#include "core/update_info.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace glimtags {
void PrintTo(const UpdateInfo& info, std::ostream* out)
{
    *out << info.highVersion << '/' << info.lowVersion;
}
} // namespace glimtags

using glimtags::isNewerVersion;
using glimtags::leadingInteger;
using glimtags::parseUpdateInfo;
using glimtags::UpdateInfo;

namespace {

TEST(UpdateInfo, ParsesThePublishedFile)
{
    EXPECT_EQ(parseUpdateInfo("HighVersion \"1\"\nLowVersion \"9\"\n"), (UpdateInfo{1, 9}));
    EXPECT_EQ(parseUpdateInfo("HighVersion \"1\"\r\nLowVersion \"9\"\r\n"), (UpdateInfo{1, 9}));
}

TEST(UpdateInfo, ValueRule)
{
    struct Case {
        const char* body;
        UpdateInfo expected;
    };
    const Case cases[] = {
        {"highversion \"3\" lowversion \"2\"", {3, 2}},
        {"LowVersion \"4\"\nHighVersion \"2\"", {2, 4}},
        {"MyHighVersionNumber=\"5\" theLowVersion \"6\"", {5, 6}},
        {"HighVersion \"\" LowVersion \"9\"", {0, 9}},
        {"HighVersion \"1\"", {1, 0}},
        {"HighVersion \"1.9\" LowVersion \"0\"", {1, 0}},
        {"HighVersion = see below\nOther \"7\"", {7, 0}},
        {"HighVersion \" 2x\" LowVersion \"-1\"", {2, -1}},
        {"HighVersion \"1\" LowVersion \"unterminated", {1, 0}},
        {"HighVersion", {0, 0}},
        {"HighVersion \"99999999999999999999\" LowVersion \"-99999999999999999999\"", {INT_MAX, INT_MIN}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseUpdateInfo(c.body), c.expected) << c.body;
}

TEST(UpdateInfo, BodyWithoutHighVersionIsNoUpdateFile)
{
    const char* bodies[] = {
        "",
        "<html><head><title>404 Not Found</title></head><body>Not Found</body></html>",
        "LowVersion \"9\"",
        "High Version \"2\"",
    };
    for (const char* body : bodies)
        EXPECT_EQ(parseUpdateInfo(body), std::nullopt) << body;
}

TEST(UpdateInfo, LeadingIntegerReadsLikeAtoiWithoutOverflow)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"9", 9},
        {"  \t\n42abc", 42},
        {"+7", 7},
        {"-12", -12},
        {"1.9", 1},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+-3", 0},
        {"- 3", 0},
        {"0009", 9},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"123456789012345678901234567890", INT_MAX},
        {"-123456789012345678901234567890", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(leadingInteger(c.text), c.expected) << '[' << c.text << ']';
}

TEST(UpdateInfo, NewerThanOneEight)
{
    struct Case {
        int high;
        int low;
        bool newer;
    };
    const Case cases[] = {
        {1, 8, false}, {1, 9, true}, {2, 0, true}, {1, 7, false}, {0, 99, false},
        {1, 0, false}, {0, 0, false}, {1, 100, true}, {-1, 9, false}, {INT_MAX, INT_MIN, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isNewerVersion(c.high, c.low), c.newer) << c.high << '.' << c.low;
}

} // namespace
