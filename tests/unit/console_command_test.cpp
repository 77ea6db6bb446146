#include "core/console_command.h"

#include <gtest/gtest.h>

using glimtags::NameText;
using glimtags::NameType;

TEST(ConsoleCommand, SetsTheVariableAsTheSavedLineDoes)
{
    EXPECT_EQ(glimtags::consoleCommand(NameType::User, NameText("^1Red"), true), "/name \"^1Red^7\"");
    EXPECT_EQ(glimtags::consoleCommand(NameType::Host, NameText("^1Red"), false), "/sv_hostname \"^1Red\"");
}

// The console takes bytes 1, 3, 5, 8 and 22 as editing keys, drops the other control
// bytes, and drops every character that reaches it in more than one byte.
TEST(ConsoleCommand, TheBytesTheConsoleTakesAsTheyAre)
{
    const std::pair<unsigned char, bool> cases[] = {
        {0, false},    {1, false},   {3, false},   {22, false},  {31, false},  {32, true},  {'^', true},
        {'"', true},   {126, true},  {127, false}, {128, false}, {0xe9, false}, {255, false},
    };
    for (const auto& [byte, taken] : cases)
        EXPECT_EQ(glimtags::consoleTakesByte(byte), taken) << static_cast<int>(byte);
    EXPECT_TRUE(glimtags::consoleTakesName(NameText("^1Red ~!")));
    EXPECT_FALSE(glimtags::consoleTakesName(NameText("Caf\xe9")));
}
