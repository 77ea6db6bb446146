#include "core/config_merge.h"
#include "core/console_script.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameType;
using namespace std::string_literals;

namespace {

// The setting line stands for itself here; its own rules are the script's.
std::string merge(std::string_view configuration, NameType type = NameType::User)
{
    return glimtags::mergeIntoConfiguration(configuration, type, type == NameType::User ? "NEW" : "HOST");
}

TEST(ConfigMerge, ReplacesTheSettingTheGameEndsWithAndKeepsTheFilesLineEnds)
{
    const struct { const char* what; std::string configuration, expected; } cases[] = {
        {"line feeds", "seta a \"1\"\nseta name \"Old\"\nseta b \"2\"\n", "seta a \"1\"\nNEW\nseta b \"2\"\n"},
        {"carriage returns kept", "seta name \"Old\"\r\nseta b \"2\"\r\n", "NEW\r\nseta b \"2\"\r\n"},
        {"last line without line end", "x\nseta name \"Old\"", "x\nNEW"},
        {"upper case, blanks kept", " \tSETA NAME\t\"Old\"\n", " \tNEW\n"},
        {"comment after the value kept", "seta name \"Old\" // mine\n", "NEW // mine\n"},
        {"the last one takes effect", "seta name \"A\"\nseta name \"B\"\n", "seta name \"A\"\nNEW\n"},
        {"set and a bare name count", "seta name \"A\"\nset name B\nname \"C\"\r\nseta name\n",
         "seta name \"A\"\nset name B\nNEW\r\nseta name\n"},
        {"other commands on the line kept", "seta rate 1; seta name Old Name;seta b 2\n",
         "seta rate 1; NEW;seta b 2\n"},
        {"a longer variable is another", "seta name \"Old\"\nseta names \"x\"\n", "NEW\nseta names \"x\"\n"},
        {"a bind or comment sets nothing", "seta name \"Old\"\nbind n \"seta name Bob\"\n// seta name \"C\"\n",
         "NEW\nbind n \"seta name Bob\"\n// seta name \"C\"\n"},
        {"quotes end at the line end", "seta name \"Old\nseta rate \"1\"\n", "NEW\nseta rate \"1\"\n"},
        {"none: the file's line end", "seta rate \"1\"\r\n", "seta rate \"1\"\r\nNEW\r\n"},
        {"none: a line end added", "a\r\nseta rate \"1\"", "a\r\nseta rate \"1\"\r\nNEW\r\n"},
        {"none: a line feed for a file without", "seta rate \"1\"", "seta rate \"1\"\nNEW\n"},
        {"none: empty file", "", "NEW\n"},
        {"none: no value only prints", "x\nseta name", "x\nseta name\nNEW\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(merge(c.configuration), c.expected) << c.what;
        // What the game reads from the merged file is the merged name.
        const std::string merged = glimtags::mergeIntoConfiguration(c.configuration, NameType::User, "seta name \"Me\"");
        EXPECT_EQ(glimtags::lastSetting(merged, "name").value().value, "Me") << c.what;
    }
    EXPECT_EQ(merge("seta name \"Me\"\nseta sv_hostname \"Old\"\n", NameType::Host), "seta name \"Me\"\nHOST\n");
}

TEST(ConfigMerge, KeepsEveryOtherByte)
{
    std::string before;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '"' && byte != '\n')
            before.push_back(static_cast<char>(byte));
    const std::string after = "\n\0tail\xFF"s;
    EXPECT_EQ(merge(before + "\nseta name \"x\"\n" + after), before + "\nNEW\n" + after);
}

} // namespace
