#include "core/config_merge.h"
#include "core/string_check.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameText;
using glimtags::NameType;
using namespace std::string_literals;

namespace {

std::string merge(std::string_view configuration, NameType type, std::string_view name)
{
    return glimtags::mergeIntoConfiguration(configuration, type, glimtags::mergeText(type, NameText(name), true));
}

TEST(ConfigMerge, MergeTextLooksAsTheGameWritesIt)
{
    EXPECT_EQ(glimtags::mergeText(NameType::User, NameText("Player"), true), "seta name \"Player^7\"\n");
    EXPECT_EQ(glimtags::mergeText(NameType::Host, NameText("Srv"), false), "seta sv_hostname \"Srv\"\n");
}

TEST(ConfigMerge, ReplacesTheMatchThroughTheByteAfterTheClosingQuote)
{
    struct Case {
        const char* what;
        NameType type;
        std::string configuration;
        std::string expected;
    };
    const Case cases[] = {
        {"line feeds", NameType::User,
         "seta cg_fov \"90\"\nseta name \"OldName\"\nseta rate \"25000\"\n",
         "seta cg_fov \"90\"\nseta name \"Player^7\"\nseta rate \"25000\"\n"},
        {"carriage return is the replaced byte", NameType::User,
         "seta cg_fov \"90\"\r\nseta name \"OldName\"\r\nseta rate \"25000\"\r\n",
         "seta cg_fov \"90\"\r\nseta name \"Player^7\"\n\nseta rate \"25000\"\r\n"},
        {"last line without line end", NameType::User,
         "seta cg_fov \"90\"\nseta name \"OldName\"",
         "seta cg_fov \"90\"\nseta name \"Player^7\"\n"},
        {"upper case", NameType::User,
         "SETA NAME \"OldName\"\nseta rate \"1\"\n",
         "seta name \"Player^7\"\nseta rate \"1\"\n"},
        {"byte after the match not looked at", NameType::User,
         "seta names \"x\"\nseta name \"OldName\"\n",
         "seta name \"Player^7\"\nseta name \"OldName\"\n"},
        {"host name leaves the name line alone", NameType::Host,
         "seta name \"Me\"\nseta sv_hostname \"Old Server\"\nseta rate \"1\"\n",
         "seta name \"Me\"\nseta sv_hostname \"Player^7\"\nseta rate \"1\"\n"},
        {"value continues after the closing quote", NameType::User,
         "seta name \"Old\" // mine\n",
         "seta name \"Player^7\"\n// mine\n"},
        {"only the first match", NameType::User,
         "seta name \"A\"\nseta name \"B\"\n",
         "seta name \"Player^7\"\nseta name \"B\"\n"},
        {"opening quote on the line, closing quote at the end of the file", NameType::User,
         "seta name \"Old\"",
         "seta name \"Player^7\"\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(merge(c.configuration, c.type, "Player"), c.expected) << c.what;
}

TEST(ConfigMerge, NoMatchAddsTheMergeTextAsALastLine)
{
    EXPECT_EQ(merge("seta rate \"1\"\n", NameType::User, "P"), "seta rate \"1\"\nseta name \"P^7\"\n");
    EXPECT_EQ(merge("seta rate \"1\"", NameType::User, "P"), "seta rate \"1\"\nseta name \"P^7\"\n");
    EXPECT_EQ(merge("seta rate \"1\"\r\n", NameType::User, "P"), "seta rate \"1\"\r\nseta name \"P^7\"\n");
    EXPECT_EQ(merge("", NameType::User, "P"), "seta name \"P^7\"\n");
    // The search text must fit entirely: a cut-off "seta nam" at the end is no match.
    EXPECT_EQ(merge("seta nam", NameType::User, "P"), "seta nam\nseta name \"P^7\"\n");
    EXPECT_EQ(merge("seta name \"Me\"\n", NameType::Host, "S"), "seta name \"Me\"\nseta sv_hostname \"S^7\"\n");
}

// A hand-edited line without its pair of quotes: only the rest of that line goes.
TEST(ConfigMerge, MatchWithoutQuotesOnItsLineReplacesTheRestOfThatLine)
{
    struct Case {
        const char* what;
        std::string configuration;
        std::string expected;
    };
    const Case cases[] = {
        {"no quotes", "seta name Old\nseta rate \"1\"\n", "seta name \"P^7\"\nseta rate \"1\"\n"},
        {"no quotes, carriage return", "seta name Old\r\nseta rate \"1\"\r\n", "seta name \"P^7\"\nseta rate \"1\"\r\n"},
        {"opening quote only", "seta name \"Old\nseta rate \"1\"\n", "seta name \"P^7\"\nseta rate \"1\"\n"},
        {"no quotes, last line", "seta cg_fov \"90\"\nseta name Old", "seta cg_fov \"90\"\nseta name \"P^7\"\n"},
        {"opening quote only, last line", "seta name \"Old", "seta name \"P^7\"\n"},
        {"match ends the file", "x\nseta name", "x\nseta name \"P^7\"\n"},
        {"search text inside a bind", "bind n \"seta name Bob\"\nseta name \"Old\"\n",
         "bind n \"seta name \"P^7\"\nseta name \"Old\"\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(merge(c.configuration, NameType::User, "P"), c.expected) << c.what;
}

TEST(ConfigMerge, NameOverTheSaveLimitIsMergedAllTheSame)
{
    const std::string longName(40, 'L');
    ASSERT_GT(glimtags::limitLength(NameText(longName)), glimtags::kSaveLimit);
    EXPECT_EQ(merge("seta name \"Old\"\n", NameType::User, longName), "seta name \"" + longName + "^7\"\n");
}

TEST(ConfigMerge, QuoteInsideANameIsWrittenUnchanged)
{
    EXPECT_EQ(merge("seta name \"Old\"\nseta rate \"1\"\n", NameType::User, "a\"b"),
              "seta name \"a\"b^7\"\nseta rate \"1\"\n");
    // Merging again takes the first pair of quotes as the value, like the game does.
    EXPECT_EQ(merge("seta name \"a\"b^7\"\nseta rate \"1\"\n", NameType::User, "P"),
              "seta name \"P^7\"\n^7\"\nseta rate \"1\"\n");
}

TEST(ConfigMerge, KeepsEveryOtherByte)
{
    std::string before;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '"' && byte != '\n')
            before.push_back(static_cast<char>(byte));
    const std::string after = "\n\0tail\xFF"s;
    const std::string merged = merge(before + "\nseta name \"x\"\n" + after, NameType::User, "P");
    EXPECT_EQ(merged, before + "\nseta name \"P^7\"\n" + after);
}

} // namespace
