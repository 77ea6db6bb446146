#include "core/message_format.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::formatMessage;

// Language files are outside input: a mismatched format must show as text, never crash.
TEST(MessageFormat, ConversionsTakeArgumentsOfTheirKindOrStandAsWritten)
{
    const struct {
        const char* format;
        std::initializer_list<glimtags::MessageArgument> arguments;
        std::string expected;
    } cases[] = {
        {"Version %d.%i found", {1, -9}, "Version 1.-9 found"},
        {"Create '%s'?%s", {"/q3", ""}, "Create '/q3'?"},
        {"100%% %%d %%%%", {7}, "100% %d %%"},
        {"Bad path %d", {"/x"}, "Bad path %d"},
        {"Version %s.%s", {1, 9}, "Version %s.%s"},
        {"%d.%d.%d", {1, 9}, "1.9.%d"},
        {"100%", {}, "100%"},
        {"%x %n %p %5d", {1}, "%x %n %p %5d"},
        {"\xE9 %s\n", {"\xFF"}, "\xE9 \xFF\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatMessage(c.format, c.arguments), c.expected) << c.format;
}

TEST(MessageFormat, CutsToMaxLength)
{
    const std::string longPath(300, 'p');
    EXPECT_EQ(formatMessage("Path %s!", {longPath}, 255), ("Path " + longPath).substr(0, 255));
    EXPECT_EQ(formatMessage("%d%%", {42}, 3), "42%");
    EXPECT_EQ(formatMessage("abc", {}, 0), "");
}
