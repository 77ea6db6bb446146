#include "core/ascii_case.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

using namespace std::string_view_literals;

// Only ASCII letters fold: Latin-1 letters and the bytes 32 apart from letters do not.
TEST(AsciiCase, OnlyAsciiLettersFoldTogether)
{
    for (const auto& [a, b, equal] : {std::tuple{"HighVersion", "hIGHvERSION", true}, {"", "", true},
                                      {"name", "names", false}, {"names", "name", false}, {"\xE9", "\xC9", false},
                                      {"@", "`", false}, {"[", "{", false}, {"Z", "z", true}})
        EXPECT_EQ(glimtags::equalIgnoringCase(a, b), equal) << a << " / " << b;
}

TEST(AsciiCase, FindsTheFirstWholeMatch)
{
    constexpr auto npos = std::string_view::npos;
    for (const auto& [text, key, at] : {std::tuple{"bind x \"SETA NAME\"; seta name"sv, "seta name"sv, 8ul},
                                        {"xxHIGHVERSIONhighversion", "HighVersion", 2}, {"seta nam", "seta name", npos},
                                        {"", "seta name", npos}, {"anything", "", npos}, {"a\0NAME"sv, "name", 2}})
        EXPECT_EQ(glimtags::findIgnoringCase(text, key), at) << text;
}
