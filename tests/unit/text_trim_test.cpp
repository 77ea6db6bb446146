#include "core/text_trim.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

using namespace std::string_view_literals;

TEST(TextTrim, OnlyTheGivenBlanksAtTheEndsGo)
{
    for (const auto& [text, blanks, kept] : {std::tuple{" \ta b\t "sv, " \t"sv, "a b"sv}, {"\r x\r", " \t", "\r x\r"},
                                             {"\r x\r", " \t\r", "x"}, {" \t ", " \t", ""}, {"", " ", ""}})
        EXPECT_EQ(glimtags::trimmed(text, blanks), kept) << '[' << text << ']';
}
