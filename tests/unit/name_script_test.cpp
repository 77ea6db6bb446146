#include "core/name_script.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using glimtags::NameText;
using glimtags::NameType;
using glimtags::test::TempDir;

namespace {

TEST(NameScriptBytes, SetaLineWithoutLineEnd)
{
    struct Case {
        NameType type;
        const char* name;
        bool endColorWhite;
        std::string expected;
    };
    const Case cases[] = {
        {NameType::User, "Player", true, "seta name \"Player^7\""},
        {NameType::Host, "Player", true, "seta sv_hostname \"Player^7\""},
        {NameType::User, "Player", false, "seta name \"Player\""},
        {NameType::User, "Player^7", true, "seta name \"Player^7\""},
        {NameType::User, "Agent007", true, "seta name \"Agent007\""},
        {NameType::User, "", true, "seta name \"^7\""},
        {NameType::Host, "", false, "seta sv_hostname \"\""},
        {NameType::User, "Cut^", true, "seta name \"Cut^^7\""},
        {NameType::User, "Cut^", false, "seta name \"Cut^\""},
        {NameType::User, "a\"b", false, "seta name \"a\"b\""},
        {NameType::User, "\x01\x7F\xFF", false, "seta name \"\x01\x7F\xFF\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::nameScriptBytes(c.type, NameText(c.name), c.endColorWhite), c.expected) << c.name;
    EXPECT_EQ(glimtags::nameScriptBytes(NameType::User, NameText("Player"), true).size(), 20u);
}

TEST(NameScriptBytes, MergeTextIsTheSameLineWithALineFeed)
{
    for (const NameType type : {NameType::User, NameType::Host})
        for (const bool white : {false, true}) {
            const NameText name("^1Red^7Guy");
            EXPECT_EQ(glimtags::mergeText(type, name, white), glimtags::nameScriptBytes(type, name, white) + "\n");
        }
    EXPECT_EQ(glimtags::mergeText(NameType::User, NameText("Player"), true).size(), 21u);
}

TEST(ScriptSavePlan, ExtensionAppendedOnlyWhenThereIsNone)
{
    struct Case {
        NameType type;
        const char* chosen;
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {NameType::User, "/games/baseq3/Fred", "/games/baseq3/Fred.name", "Fred.name"},
        {NameType::Host, "/games/baseq3/Fred", "/games/baseq3/Fred.host", "Fred.host"},
        {NameType::User, "/games/baseq3/Fred.txt", "/games/baseq3/Fred.txt", "Fred.txt"},
        {NameType::User, "/games/baseq3/Fred.Name", "/games/baseq3/Fred.Name", "Fred.Name"},
        {NameType::Host, "/games/baseq3/Fred.name", "/games/baseq3/Fred.name", "Fred.name"},
        {NameType::User, "/games/my.folder/Fred", "/games/my.folder/Fred.name", "Fred.name"},
        {NameType::User, "/games/baseq3/Fred.", "/games/baseq3/Fred..name", "Fred..name"},
        {NameType::User, "Fred", "Fred.name", "Fred.name"},
    };
    for (const Case& c : cases) {
        const glimtags::ScriptSavePlan plan = glimtags::planScriptSave(c.type, c.chosen);
        EXPECT_EQ(plan.path, c.path) << c.chosen;
        EXPECT_EQ(plan.shownName, c.shown) << c.chosen;
    }
}

TEST(OpenedScriptType, ByExtensionWithoutRegardToCase)
{
    EXPECT_EQ(glimtags::openedScriptType("/g/X.HOST"), NameType::Host);
    EXPECT_EQ(glimtags::openedScriptType("/g/X.host"), NameType::Host);
    EXPECT_EQ(glimtags::openedScriptType("/g/X.Name"), NameType::User);
    EXPECT_EQ(glimtags::openedScriptType("/g/archive.host.name"), NameType::User);
    for (const char* other : {"/g/X.txt", "/g/X", "/g/X.", "/g/X.names", "/g/X.hos", "/g/name", "/g.host/X"})
        EXPECT_EQ(glimtags::openedScriptType(other), std::nullopt) << other;
}

TEST(ScriptDialogs, InitialFileInTheGamePath)
{
    EXPECT_EQ(glimtags::scriptDialogInitialPath("/home/p/.q3a/baseq3"), "/home/p/.q3a/baseq3/FiLeNaMe");
    EXPECT_EQ(glimtags::scriptDialogInitialPath("/"), "/FiLeNaMe");
    EXPECT_STREQ(glimtags::saveFilter(NameType::User), "NaMe Script File (*.name)|*.name");
    EXPECT_STREQ(glimtags::saveFilter(NameType::Host), "NaMe Script File (*.Host)|*.Host");
}

class ReadNameScriptTest : public ::testing::Test {
protected:
    std::optional<NameText> read(std::string_view contents, NameType type)
    {
        return glimtags::readNameScript(dir.write("script", contents), type);
    }

    TempDir dir;
};

TEST_F(ReadNameScriptTest, ReadsWhatASaveWrote)
{
    for (const NameType type : {NameType::User, NameType::Host}) {
        const NameText name("^1Red^2Green");
        const auto loaded = read(glimtags::nameScriptBytes(type, name, true), type);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->bytes(), "^1Red^2Green^7");
    }
}

TEST_F(ReadNameScriptTest, LookupRuleOnTheFile)
{
    EXPECT_EQ(read("name \"Foo\"", NameType::User)->bytes(), "Foo");
    EXPECT_EQ(read("SETA NAME \"Foo\"\r\n", NameType::User)->bytes(), "Foo");
    EXPECT_EQ(read("seta sv_hostname \"Server\"", NameType::Host)->bytes(), "Server");
    // The variable stands as a word of its own: "name" inside "sv_hostname" is none.
    EXPECT_EQ(read("seta sv_hostname \"HostInside\"\nseta name \"RealName\"", NameType::User)->bytes(), "RealName");
    EXPECT_EQ(read("seta\tname\"Tab\"", NameType::User)->bytes(), "Tab");
    EXPECT_EQ(read("nickname \"x\" name \"Word\"", NameType::User)->bytes(), "Word");
    EXPECT_EQ(read("seta names \"x\"", NameType::User)->bytes(), "");
    EXPECT_EQ(read("seta name \"Foo\"", NameType::Host)->bytes(), "");
    EXPECT_EQ(read("", NameType::User)->bytes(), "");
    EXPECT_EQ(read("seta name \"unterminated", NameType::User)->bytes(), "");
    EXPECT_EQ(read("seta name \"two\r\nlines\"", NameType::User)->bytes(), "two\nlines");
}

TEST_F(ReadNameScriptTest, LongValueIsCutTo255Bytes)
{
    const std::string value(300, 'x');
    const auto loaded = read("seta name \"" + value + "\"", NameType::User);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->bytes(), value.substr(0, 255));
}

TEST_F(ReadNameScriptTest, UnreadableFileGivesNothing)
{
    EXPECT_EQ(glimtags::readNameScript(dir.file("missing.name"), NameType::User), std::nullopt);
    EXPECT_EQ(glimtags::readNameScript(dir.path().string(), NameType::User), std::nullopt);
}

} // namespace
