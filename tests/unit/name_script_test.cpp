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

// Each case as the game's console reads it (checked on ioquake3's server with sv_hostname):
// the last setting counts, a value ends at its line, blanks part the words of one without quotes.
TEST(NameScript, ReadsTheNameTheGameWouldSet)
{
    using namespace std::string_literals;
    const glimtags::test::TempDir dir;
    const std::optional<std::string> none;
    const struct { NameType type; std::string contents; std::optional<std::string> name; } cases[] = {
        {U, glimtags::nameScriptBytes(U, NameText("^1Red"), true), "^1Red^7"},
        {H, glimtags::nameScriptBytes(H, NameText("^1Red"), false), "^1Red"},
        {U, "SETA NAME \"Foo\"\r\n", "Foo"},
        {U, "name \"Foo\"", "Foo"},
        {U, "seta\tname\"Tab\"", "Tab"},
        {U, "seta name Bob\nseta model \"sarge\"", "Bob"},
        {U, "seta name \"two\r\nlines\"", "two"},
        {U, "seta name \"A\"\nset name \"B\" // seta name \"C\"", "B"},
        {U, "seta name \"one\";seta name \"a;b\"", "a;b"},
        {U, "seta name Bob Smith", "Bob Smith"},
        {U, "seta name ab\"cd\"ef", "ab cd ef"},
        {U, "seta name a//b", "a"},
        {U, "seta name \"a//b\"", "a//b"},
        {U, "/* seta name \"x\" */ seta name \"Star\"", "Star"},
        {U, "seta name ab\xE9\x01z", "ab z"},
        {U, "seta name \"ab\xE9\x01z\"", "ab\xE9\x01z"},
        {U, "seta name \"\"", ""},
        {U, "seta name \"x\"\0seta name \"y\""s, "x"},
        {U, "seta name \"" + std::string(300, 'x') + "\"", std::string(255, 'x')},
        {H, "seta sv_hostname", none},
        {U, "seta names \"x\"", none},
        {H, "seta name \"Foo\"", none},
        {U, "// seta name \"Foo\"\nbind n \"seta name Bob\"", none},
        {U, "nickname \"x\" name \"Word\"", none},
    };
    for (const auto& c : cases) {
        const glimtags::OutcomeOf<NameText> read = glimtags::readNameScript(dir.write("script", c.contents), c.type);
        EXPECT_EQ(read.code, c.name ? 0 : glimtags::kScriptSetsNoName) << c.contents;
        EXPECT_EQ(read.value, NameText(c.name.value_or(""))) << c.contents;
    }
    for (const std::string& unreadable : {dir.file("missing"), dir.path().string()})
        EXPECT_EQ(glimtags::readNameScript(unreadable, U).code, glimtags::kScriptUnreadable);
}

} // namespace
