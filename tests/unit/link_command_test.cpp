#include "core/link_command.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::linkErrorMessage;
using glimtags::linkFallbackCommand;

namespace {

constexpr const char* kAddress = "http://www.example.org";

TEST(LinkFallbackCommand, CutAtThePlaceholderThenBlankAndAddress)
{
    struct Case {
        const char* handler;
        const char* expected;
    };
    const Case cases[] = {
        {"\"/opt/browser/browser\" -nohome \"%1\"", "\"/opt/browser/browser\" -nohome  http://www.example.org"},
        {"firefox-esr --new-window \"%u\" --extra", "firefox-esr --new-window  http://www.example.org"},
        {"chromium %U", "chromium  http://www.example.org"},
        {"viewer --file=%f", "viewer --file= http://www.example.org"},
        {"viewer %F", "viewer  http://www.example.org"},
        {"browser", "browser http://www.example.org"},
        {"", " http://www.example.org"},
        {"browser %i --name %c", "browser %i --name %c http://www.example.org"},
        // A quoted placeholder wins over an earlier bare one.
        {"browser %u -x \"%U\"", "browser %u -x  http://www.example.org"},
        // The earliest of the quoted ones, whichever it is.
        {"b \"%F\" \"%u\"", "b  http://www.example.org"},
        {"b %U %1", "b  http://www.example.org"},
        // Only a placeholder with a quote on both sides counts as quoted.
        {"b \"%1 \"", "b \" http://www.example.org"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(linkFallbackCommand(c.handler, kAddress), c.expected) << c.handler;
}

TEST(LinkFallbackCommand, RefusesLinesOverTheirLimits)
{
    const std::string longest(259, 'b');
    EXPECT_EQ(linkFallbackCommand(longest, "a"), longest + " a");
    EXPECT_EQ(linkFallbackCommand(longest + "b", "a"), std::nullopt);
    // The handler's line is measured before the cut.
    EXPECT_EQ(linkFallbackCommand(longest + " %u", "a"), std::nullopt);
    const std::string handler(200, 'h');
    EXPECT_EQ(linkFallbackCommand(handler, std::string(318, 'a'))->size(), 519u);
    EXPECT_EQ(linkFallbackCommand(handler, std::string(319, 'a')), std::nullopt);
}

TEST(LinkErrorMessage, TextsOfTheOpenResultCodes)
{
    const std::string prefix = "Unable to open hyperlink:\n\n";
    EXPECT_EQ(linkErrorMessage(26), prefix + "A sharing violation occurred. ");
    EXPECT_EQ(linkErrorMessage(31), prefix + "There is no application associated\nwith the given filename extension.");
    EXPECT_EQ(linkErrorMessage(0), prefix + "The operating system is out\nof memory or resources.");
    EXPECT_EQ(linkErrorMessage(2), prefix + "The specified file was not found.");
    EXPECT_EQ(linkErrorMessage(32), prefix + "The specified dynamic-link library was not found.");
    EXPECT_EQ(linkErrorMessage(4), prefix + "Unknown Error (4) occurred.");
    EXPECT_EQ(linkErrorMessage(33), prefix + "Unknown Error (33) occurred.");
    EXPECT_EQ(linkErrorMessage(-1), prefix + "Unknown Error (-1) occurred.");
}

} // namespace
