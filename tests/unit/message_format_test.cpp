#include "core/message_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using glimtags::formatMessage;

namespace {

TEST(MessageFormat, ConvertsIntegersAndTexts)
{
    EXPECT_EQ(formatMessage("Version %d.%d found", {1, 9}), "Version 1.9 found");
    EXPECT_EQ(formatMessage("%i and %i", {-3, 0}), "-3 and 0");
    EXPECT_EQ(formatMessage("%d", {INT_MIN}), std::to_string(INT_MIN));
    EXPECT_EQ(formatMessage("Create '%s'?", {"/games/q3"}), "Create '/games/q3'?");
    EXPECT_EQ(formatMessage("%s%s", {"a", ""}), "a");
    EXPECT_EQ(formatMessage("%s=%d", {"x", 4}), "x=4");
}

TEST(MessageFormat, DoubledPercentShowsOne)
{
    EXPECT_EQ(formatMessage("You are up to date: 100%%", {}), "You are up to date: 100%");
    EXPECT_EQ(formatMessage("%%d %d", {7}), "%d 7");
    EXPECT_EQ(formatMessage("%%%%", {}), "%%");
}

// Language files are outside input: a mismatched format must show as text, never crash.
TEST(MessageFormat, MismatchedConversionsStandAsWritten)
{
    struct Case {
        const char* format;
        std::initializer_list<glimtags::MessageArgument> arguments;
        const char* expected;
    };
    const Case cases[] = {
        {"Bad path %d", {"/x"}, "Bad path %d"},
        {"Version %s.%s", {1, 9}, "Version %s.%s"},
        {"%d.%d.%d", {1, 9}, "1.9.%d"},
        {"%s", {}, "%s"},
        {"100%", {}, "100%"},
        {"%", {}, "%"},
        {"%x %n %p %5d", {1}, "%x %n %p %5d"},
        {"%s then %d", {3, 4}, "%s then 4"},
        {"no conversions", {1, "unused"}, "no conversions"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatMessage(c.format, c.arguments), c.expected) << c.format;
}

TEST(MessageFormat, CutsToMaxLength)
{
    const std::string longPath(300, 'p');
    const std::string result = formatMessage("Path %s!", {longPath}, 255);
    EXPECT_EQ(result.size(), 255u);
    EXPECT_EQ(result, ("Path " + longPath).substr(0, 255));
    EXPECT_EQ(formatMessage("%d%%", {42}, 255), "42%");
    EXPECT_EQ(formatMessage("abc", {}, 0), "");
}

TEST(MessageFormat, KeepsBytesOutsideAscii)
{
    EXPECT_EQ(formatMessage("\xE9t\xE9 %s\n", {"\xFF"}), "\xE9t\xE9 \xFF\n");
}

} // namespace
