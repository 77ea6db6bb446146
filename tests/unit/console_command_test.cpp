#include "core/console_command.h"

#include <gtest/gtest.h>

using glimtags::NameText;
using glimtags::NameType;

TEST(ConsoleCommand, SetsTheVariableAsTheSavedLineDoes)
{
    EXPECT_EQ(glimtags::consoleCommand(NameType::User, NameText("^1Red"), true), "/name \"^1Red^7\"");
    EXPECT_EQ(glimtags::consoleCommand(NameType::Host, NameText("^1Red"), false), "/sv_hostname \"^1Red\"");
}
