#include "core/console_command.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameRefusal;
using glimtags::NameText;
using glimtags::NameType;

namespace {

TEST(ConsoleCommand, LineWithTheWhiteEndingOfTheSave)
{
    struct Case {
        NameType type;
        std::string name;
        bool endColorWhite;
        std::string expected;
    };
    const Case cases[] = {
        {NameType::User, "^1Red", true, "/name \"^1Red^7\""},
        {NameType::Host, "^1Red", true, "/sv_hostname \"^1Red^7\""},
        {NameType::User, "^1Red", false, "/name \"^1Red\""},
        {NameType::User, "Agent007", true, "/name \"Agent007\""},
        {NameType::Host, "", true, "/sv_hostname \"^7\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::consoleCommand(c.type, NameText(c.name), c.endColorWhite), c.expected) << c.name;
}

TEST(ConsoleCommand, RefusedLikeTheSave)
{
    struct Case {
        std::string name;
        std::optional<NameRefusal> refusal;
    };
    const Case cases[] = {
        {std::string(35, 'a'), std::nullopt},
        // Letter codes count as characters of their own; digit codes do not.
        {std::string(34, 'a') + "^a", NameRefusal::TooLong},
        {std::string(35, 'a') + "^1", std::nullopt},
        {std::string(36, 'a'), NameRefusal::TooLong},
        {"a\"b", NameRefusal::HoldsQuote},
        {std::string(36, '"'), NameRefusal::TooLong},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::consoleCommandRefusal(NameText(c.name)), c.refusal) << c.name;
}

} // namespace
