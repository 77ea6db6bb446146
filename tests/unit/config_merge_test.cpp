#include "core/config_merge.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameType;
using namespace std::string_literals;

namespace {

// The merge text stands for itself here; its own rules are the script's.
std::string merge(std::string_view configuration, NameType type = NameType::User)
{
    return glimtags::mergeIntoConfiguration(configuration, type, type == NameType::User ? "NEW\n" : "HOST\n");
}

TEST(ConfigMerge, ReplacesTheFirstSettingLineThroughTheByteAfterTheClosingQuote)
{
    const struct { const char* what; std::string configuration, expected; } cases[] = {
        {"line feeds", "seta a \"1\"\nseta name \"Old\"\nseta b \"2\"\n", "seta a \"1\"\nNEW\nseta b \"2\"\n"},
        {"the carriage return is the byte after", "seta name \"Old\"\r\nseta b \"2\"\r\n", "NEW\n\nseta b \"2\"\r\n"},
        {"last line without line end", "x\nseta name \"Old\"", "x\nNEW\n"},
        {"upper case, blanks kept", " \tSETA NAME\t\"Old\"\n", " \tNEW\n"},
        {"text after the value", "seta name \"Old\" // mine\n", "NEW\n// mine\n"},
        {"only the first", "seta name \"A\"\nseta name \"B\"\n", "NEW\nseta name \"B\"\n"},
        {"a longer variable is another", "seta names \"x\"\nseta name \"Old\"\n", "seta names \"x\"\nNEW\n"},
        {"not at a line start", "bind n \"seta name Bob\"\nseta name \"Old\"\n", "bind n \"seta name Bob\"\nNEW\n"},
        {"no quotes: the rest of the line", "seta name Old\r\nseta rate \"1\"\r\n", "NEW\nseta rate \"1\"\r\n"},
        {"opening quote only", "seta name \"Old\nseta rate \"1\"\n", "NEW\nseta rate \"1\"\n"},
        {"no setting line: line end kept", "seta rate \"1\"\r\n", "seta rate \"1\"\r\nNEW\n"},
        {"no setting line: line end added", "seta rate \"1\"", "seta rate \"1\"\nNEW\n"},
        {"no setting line: empty file", "", "NEW\n"},
        {"a blank or quote must follow", "x\nseta name", "x\nseta name\nNEW\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(merge(c.configuration), c.expected) << c.what;
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
