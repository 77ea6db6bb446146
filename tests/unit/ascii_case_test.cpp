#include "core/ascii_case.h"

#include <gtest/gtest.h>

#include <string_view>

using glimtags::equalIgnoringCase;
using glimtags::findIgnoringCase;

namespace {

using namespace std::string_view_literals;

constexpr auto npos = std::string_view::npos;

TEST(AsciiCase, OnlyAsciiLettersFoldTogether)
{
    EXPECT_TRUE(equalIgnoringCase("HighVersion", "hIGHvERSION"));
    EXPECT_TRUE(equalIgnoringCase("", ""));
    EXPECT_FALSE(equalIgnoringCase("name", "names"));
    EXPECT_FALSE(equalIgnoringCase("names", "name"));
    // Latin-1 letters and the bytes 32 apart from letters are not folded.
    EXPECT_FALSE(equalIgnoringCase("\xE9", "\xC9"));
    EXPECT_FALSE(equalIgnoringCase("@", "`"));
    EXPECT_FALSE(equalIgnoringCase("[", "{"));
}

TEST(AsciiCase, FindsTheFirstWholeMatch)
{
    EXPECT_EQ(findIgnoringCase("bind x \"SETA NAME\"; seta name", "seta name"), 8u);
    EXPECT_EQ(findIgnoringCase("xxHIGHVERSIONhighversion", "HighVersion"), 2u);
    EXPECT_EQ(findIgnoringCase("seta nam", "seta name"), npos);
    EXPECT_EQ(findIgnoringCase("", "seta name"), npos);
    EXPECT_EQ(findIgnoringCase("anything", ""), npos);
    EXPECT_EQ(findIgnoringCase("a\0NAME"sv, "name"), 2u);
}

} // namespace
