#include "core/link_command.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::linkFallbackCommand;

namespace {

TEST(LinkFallbackCommand, CutAtThePlaceholderThenBlankAndAddress)
{
    const struct { const char* handler; const char* expected; } cases[] = {
        {"\"/opt/b/browser\" -nohome \"%1\"", "\"/opt/b/browser\" -nohome  http://x.org"},
        {"firefox --new-window \"%u\" --extra", "firefox --new-window  http://x.org"},
        {"chromium %U", "chromium  http://x.org"},
        {"viewer --file=%f", "viewer --file= http://x.org"},
        {"browser", "browser http://x.org"},
        {"", " http://x.org"},
        {"browser %i --name %c", "browser %i --name %c http://x.org"},
        // A quoted placeholder wins over an earlier bare one; the earliest quoted one wins.
        {"browser %u -x \"%U\"", "browser %u -x  http://x.org"},
        {"b \"%F\" \"%u\"", "b  http://x.org"},
        {"b \"%1 \"", "b \" http://x.org"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linkFallbackCommand(c.handler, "http://x.org"), c.expected) << c.handler;
}

TEST(LinkFallbackCommand, RefusesLinesOverTheirLimits)
{
    const std::string longest(259, 'b');
    EXPECT_EQ(linkFallbackCommand(longest, "a"), longest + " a");
    EXPECT_EQ(linkFallbackCommand(longest + "b", "a"), std::nullopt);
    EXPECT_EQ(linkFallbackCommand(longest + " %u", "a"), std::nullopt) << "measured before the cut";
    EXPECT_EQ(linkFallbackCommand(std::string(200, 'h'), std::string(318, 'a'))->size(), 519u);
    EXPECT_EQ(linkFallbackCommand(std::string(200, 'h'), std::string(319, 'a')), std::nullopt);
}

TEST(LinkErrorMessage, KnownCodesHaveATextOthersTheirNumber)
{
    const std::string prefix = "Unable to open hyperlink:\n\n";
    for (const int known : {0, 2, 26, 31, 32}) {
        const std::string message = glimtags::linkErrorMessage(known);
        EXPECT_TRUE(message.starts_with(prefix) && message.size() > prefix.size()) << known;
        EXPECT_EQ(message.find("Unknown"), std::string::npos) << known;
    }
    for (const int unknown : {-1, 1, 4, 33}) {
        const std::string expected = prefix + "Unknown Error (" + std::to_string(unknown) + ") occurred.";
        EXPECT_EQ(glimtags::linkErrorMessage(unknown), expected);
    }
}

} // namespace
