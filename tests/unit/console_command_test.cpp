#include "core/console_command.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameRefusal;
using glimtags::NameText;
using glimtags::NameType;

TEST(ConsoleCommand, TheSavesLineAndRefusals)
{
    EXPECT_EQ(glimtags::consoleCommand(NameType::User, NameText("^1Red"), true), "/name \"^1Red^7\"");
    EXPECT_EQ(glimtags::consoleCommand(NameType::Host, NameText("Agent007"), true), "/sv_hostname \"Agent007\"");
    EXPECT_EQ(glimtags::consoleCommand(NameType::Host, NameText("^1Red"), false), "/sv_hostname \"^1Red\"");
    const std::pair<std::string, std::optional<NameRefusal>> cases[] = {
        {std::string(35, 'a') + "^1", std::nullopt},
        // Letter codes count as characters of their own.
        {std::string(34, 'a') + "^a", NameRefusal::TooLong},
        {"a\"b", NameRefusal::HoldsQuote},
        {std::string(36, '"'), NameRefusal::TooLong},
    };
    for (const auto& [name, refusal] : cases)
        EXPECT_EQ(glimtags::scriptLineRefusal(NameText(name)), refusal) << name;
}
