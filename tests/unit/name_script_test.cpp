#include "core/name_script.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameText;
using glimtags::NameType;

namespace {

constexpr NameType U = NameType::User;
constexpr NameType H = NameType::Host;

TEST(NameScript, SetaLineWithTheWhiteEndingWhereTheRuleAsksForIt)
{
    const struct { NameType type; const char* name; bool endColorWhite; std::string expected; } cases[] = {
        {U, "Player", true, "seta name \"Player^7\""},
        {H, "Player", true, "seta sv_hostname \"Player^7\""},
        {U, "Player", false, "seta name \"Player\""},
        {U, "Player^7", true, "seta name \"Player^7\""},
        {U, "Agent007", true, "seta name \"Agent007\""},
        {U, "Agent7a", true, "seta name \"Agent7a^7\""},
        {U, "Agent^7^7", true, "seta name \"Agent^7^7\""},
        {U, "", true, "seta name \"^7\""},
        {H, "", false, "seta sv_hostname \"\""},
        {U, "Cut^", true, "seta name \"Cut^^7\""},
        {U, "\x01\x7F\xFF", false, "seta name \"\x01\x7F\xFF\""},
    };
    for (const auto& c : cases) {
        const NameText name(c.name);
        EXPECT_EQ(glimtags::nameScriptBytes(c.type, name, c.endColorWhite), c.expected) << c.name;
        EXPECT_EQ(glimtags::mergeText(c.type, name, c.endColorWhite), c.expected + "\n") << c.name;
        // An opened script leaves out the ending its save adds again, and no more.
        const NameText written(c.expected.substr(c.expected.find('"') + 1, c.expected.size() - c.expected.find('"') - 2));
        const NameText opened = glimtags::withoutWhiteEnding(written, c.endColorWhite);
        EXPECT_EQ(glimtags::nameScriptBytes(c.type, opened, c.endColorWhite), c.expected) << c.name;
        EXPECT_LE(opened.length(), name.length()) << c.name;
    }
}

TEST(NameScript, LimitsOfWhatIsWritten)
{
    for (const auto& [name, holds] : {std::pair{"a\"b", true}, {"\"", true}, {"ab\"", true}, {"ab'", false}})
        EXPECT_EQ(glimtags::holdsQuote(NameText(name)), holds) << name;
    const std::string a33(33, 'a');
    for (const auto& [name, fits] : {std::pair{a33 + "aa", true}, {a33 + "aaa", false}, {a33 + "^b", true},
                                     {a33 + "a^b", false}, {a33 + "aa^1^2", true}})
        EXPECT_EQ(glimtags::fitsSaveLimit(NameText(name)), fits) << name;
    // Length is judged first.
    for (const auto& [name, refusal] : {std::pair{a33 + "aa", std::optional<glimtags::NameRefusal>()},
                                        {a33 + "a\"", glimtags::NameRefusal::HoldsQuote},
                                        {std::string(36, '"'), glimtags::NameRefusal::TooLong}})
        EXPECT_EQ(glimtags::scriptLineRefusal(NameText(name)), refusal) << name;
}

TEST(NameScript, ChosenFileGetsTheTypesExtensionOnlyWithoutOne)
{
    const struct { NameType type; const char* chosen; const char* path; const char* shown; } cases[] = {
        {U, "/g/baseq3/Fred", "/g/baseq3/Fred.name", "Fred.name"},
        {U, "/g/baseq3/Fred.txt", "/g/baseq3/Fred.txt", "Fred.txt"},
        {H, "/g/baseq3/Fred.name", "/g/baseq3/Fred.name", "Fred.name"},
        {U, "/g/my.folder/Fred", "/g/my.folder/Fred.name", "Fred.name"},
        {U, "/g/Fred.", "/g/Fred..name", "Fred..name"},
    };
    for (const auto& c : cases) {
        const glimtags::ScriptSavePlan plan = glimtags::planScriptSave(c.type, c.chosen);
        EXPECT_EQ(plan.path + " " + plan.shownName, std::string(c.path) + " " + c.shown) << c.chosen;
    }
}

TEST(NameScript, OpenedFileIsReadByItsExtensionWithoutRegardToCase)
{
    EXPECT_EQ(glimtags::openedScriptType("/g/X.HOST"), H);
    EXPECT_EQ(glimtags::openedScriptType("/g/X.host.Name"), U);
    for (const char* other : {"/g/X.txt", "/g/X", "/g/X.", "/g/X.names", "/g/X.hos", "/g/name", "/g.host/X"})
        EXPECT_EQ(glimtags::openedScriptType(other), std::nullopt) << other;
}

TEST(NameScript, ReadsTheVariableAsAWordOfItsOwn)
{
    const glimtags::test::TempDir dir;
    const struct { NameType type; std::string contents, name; } cases[] = {
        {U, glimtags::nameScriptBytes(U, NameText("^1Red"), true), "^1Red^7"},
        {H, glimtags::nameScriptBytes(H, NameText("^1Red"), false), "^1Red"},
        {U, "SETA NAME \"Foo\"\r\n", "Foo"},
        {U, "name \"Foo\"", "Foo"},
        {U, "seta\tname\"Tab\"", "Tab"},
        {U, "seta sv_hostname \"Host\"\nseta name \"Real\"", "Real"},
        {U, "nickname \"x\" name \"Word\"", "Word"},
        {U, "bind x y\nname \"Line\"", "Line"},
        {U, "seta names \"x\"", ""},
        {H, "seta name \"Foo\"", ""},
        {U, "seta name \"unterminated", ""},
        {U, "seta name \"two\r\nlines\"", "two\nlines"},
        {U, "seta name \"" + std::string(300, 'x') + "\"", std::string(255, 'x')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::readNameScript(dir.write("script", c.contents), c.type), NameText(c.name)) << c.contents;
    EXPECT_EQ(glimtags::readNameScript(dir.file("missing"), U), std::nullopt);
    EXPECT_EQ(glimtags::readNameScript(dir.path().string(), U), std::nullopt);
}

} // namespace
