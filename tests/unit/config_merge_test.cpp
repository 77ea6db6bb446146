#include "core/config_merge.h"

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

struct Case {
    const char* what;
    std::string configuration;
    std::string expected;
};

TEST(ConfigMerge, MergeTextLooksAsTheGameWritesIt)
{
    EXPECT_EQ(glimtags::mergeText(NameType::User, NameText("Player"), true), "seta name \"Player^7\"\n");
    EXPECT_EQ(glimtags::mergeText(NameType::Host, NameText("Srv"), false), "seta sv_hostname \"Srv\"\n");
}

TEST(ConfigMerge, ReplacesTheSettingLineThroughTheByteAfterTheClosingQuote)
{
    const Case cases[] = {
        {"line feeds", "seta cg_fov \"90\"\nseta name \"OldName\"\nseta rate \"25000\"\n",
         "seta cg_fov \"90\"\nseta name \"P^7\"\nseta rate \"25000\"\n"},
        {"carriage return is the replaced byte", "seta name \"OldName\"\r\nseta rate \"25000\"\r\n",
         "seta name \"P^7\"\n\nseta rate \"25000\"\r\n"},
        {"last line without line end", "seta cg_fov \"90\"\nseta name \"OldName\"",
         "seta cg_fov \"90\"\nseta name \"P^7\"\n"},
        {"upper case", "SETA NAME \"OldName\"\nseta rate \"1\"\n", "seta name \"P^7\"\nseta rate \"1\"\n"},
        {"blanks before it stay", "  \tseta name\t\"Old\"\n", "  \tseta name \"P^7\"\n"},
        {"value continues after the closing quote", "seta name \"Old\" // mine\n", "seta name \"P^7\"\n// mine\n"},
        {"only the first setting line", "seta name \"A\"\nseta name \"B\"\n", "seta name \"P^7\"\nseta name \"B\"\n"},
        {"a longer variable is another setting", "seta names \"x\"\nseta name \"Old\"\n",
         "seta names \"x\"\nseta name \"P^7\"\n"},
        {"a bind holding the text is left alone", "bind F5 \"seta name Bob\"\nseta name \"Old\"\n",
         "bind F5 \"seta name Bob\"\nseta name \"P^7\"\n"},
        {"a name rotation is left alone",
         "seta nick1 \"seta name ^1One; set nextnick vstr nick2\"\nseta name \"Old\"\n",
         "seta nick1 \"seta name ^1One; set nextnick vstr nick2\"\nseta name \"P^7\"\n"},
        {"a comment is left alone", "// seta name \"x\"\nseta name \"Old\"\n", "// seta name \"x\"\nseta name \"P^7\"\n"},
        {"no quotes: the rest of that line", "seta name Old\r\nseta rate \"1\"\r\n", "seta name \"P^7\"\nseta rate \"1\"\r\n"},
        {"opening quote only", "seta name \"Old\nseta rate \"1\"\n", "seta name \"P^7\"\nseta rate \"1\"\n"},
        {"opening quote only, last line", "seta name \"Old", "seta name \"P^7\"\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(merge(c.configuration, NameType::User, "P"), c.expected) << c.what;
    EXPECT_EQ(merge("seta name \"Me\"\nseta sv_hostname \"Old\"\n", NameType::Host, "S"),
              "seta name \"Me\"\nseta sv_hostname \"S^7\"\n");
}

TEST(ConfigMerge, WithoutASettingLineTheMergeTextEndsTheFile)
{
    const Case cases[] = {
        {"line end kept", "seta rate \"1\"\r\n", "seta rate \"1\"\r\nseta name \"P^7\"\n"},
        {"line end added", "seta rate \"1\"", "seta rate \"1\"\nseta name \"P^7\"\n"},
        {"empty file", "", "seta name \"P^7\"\n"},
        {"the text must be followed by a blank or a quote", "x\nseta name", "x\nseta name\nseta name \"P^7\"\n"},
        {"only inside other lines", "bind n \"seta name Bob\"\n", "bind n \"seta name Bob\"\nseta name \"P^7\"\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(merge(c.configuration, NameType::User, "P"), c.expected) << c.what;
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
