#include "core/language_table.h"
#include "core/regular_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

using glimtags::LanguageTable;
using glimtags::test::TempDir;
using glimtags::test::WorkingDirectory;

namespace {

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        glimtags::setLanguageFailureHandler([this](const std::string& message) { failures.push_back(message); });
    }
    void TearDown() override { glimtags::setLanguageFailureHandler(nullptr); }

    std::string lookup(std::string_view contents, std::string_view key)
    {
        return LanguageTable(dir.write("test.lan", contents)).lookup(key);
    }

    TempDir dir;
    std::vector<std::string> failures;
};

} // namespace

TEST_F(LanguageTableTest, MatchingRule)
{
    EXPECT_EQ(lookup("FILE_NEW \"&New\"\n", "FILE_NEW"), "&New");
    EXPECT_EQ(lookup("file_new \"&New\"\n", "FILE_NEW"), "&New");
    // The first match may lie inside a longer key.
    EXPECT_EQ(lookup("FILE_NEW \"&New\"\nFILE \"&File\"\n", "FILE"), "&New");
    EXPECT_EQ(lookup("Q3PATHDLG_CAPTION \"A\"\nPATHDLG_CAPTION \"B\"\n", "PATHDLG_CAPTION"), "A");
    // Free text after a key: the next quoted value, even another entry's.
    EXPECT_EQ(lookup("KEY is described here\nOTHER \"other value\"\n", "KEY"), "other value");
    EXPECT_EQ(lookup("MISSING \"x\"\n", "FILE"), "");
    EXPECT_EQ(lookup("FILE \"\"\n", "FILE"), "");
    EXPECT_EQ(lookup("", "FILE"), "");
    // No escapes: a backslash and n are two characters.
    EXPECT_EQ(lookup("K \"a\\nb\"", "K"), "a\\nb");
    EXPECT_EQ(lookup("K \"\xe9t\xe9\"", "K"), "\xe9t\xe9");
    EXPECT_TRUE(failures.empty());
}

TEST_F(LanguageTableTest, MultiLineValuesReadCarriageReturnLineFeedAsLineFeed)
{
    EXPECT_EQ(lookup("K \"one\ntwo\"\n", "K"), "one\ntwo");
    EXPECT_EQ(lookup("K \"one\r\ntwo\"\r\n", "K"), "one\ntwo");
    // A carriage return alone stays.
    EXPECT_EQ(lookup("K \"one\rtwo\"", "K"), "one\rtwo");
}

TEST_F(LanguageTableTest, IncompleteQuotesGiveEmptyText)
{
    EXPECT_EQ(lookup("K", "K"), "");
    EXPECT_EQ(lookup("K no quote at all", "K"), "");
    EXPECT_EQ(lookup("K \"opened but never closed", "K"), "");
    EXPECT_EQ(lookup("K \"", "K"), "");
    EXPECT_EQ(lookup("LONGER_THAN_THE_DATA", "LONGER_THAN_THE_DATA_KEY"), "");
    EXPECT_TRUE(failures.empty());
}

TEST_F(LanguageTableTest, UnreadableFileCallsTheFailureHandler)
{
    EXPECT_EQ(LanguageTable(dir.file("missing.lan")).lookup("FILE"), "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "Unable to open language file ' " + dir.file("missing.lan") + "'!");

    failures.clear();
    EXPECT_EQ(LanguageTable(dir.path().string()).lookup("FILE"), "");
    EXPECT_EQ(failures.size(), 1u);

    // A pipe is refused at once instead of waiting for a writer.
    failures.clear();
    ASSERT_EQ(::mkfifo(dir.file("pipe.lan").c_str(), 0600), 0);
    EXPECT_EQ(LanguageTable(dir.file("pipe.lan")).lookup("FILE"), "");
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(LanguageTableTest, EmptyNameReadsEnglishFromTheWorkingDirectory)
{
    dir.write("English.lan", "FILE \"&File\"");
    WorkingDirectory inDir(dir.path());
    EXPECT_EQ(LanguageTable("").lookup("FILE"), "&File");
    EXPECT_EQ(LanguageTable("").fileName(), "English.lan");

    EXPECT_EQ(LanguageTable("Other.lan").lookup("FILE"), "");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "Unable to open language file ' Other.lan'!");
}

TEST_F(LanguageTableTest, ReadsTheFileAfreshEveryTime)
{
    const std::string path = dir.write("live.lan", "K \"first\"");
    const LanguageTable table(path);
    EXPECT_EQ(table.lookup("K"), "first");
    dir.write("live.lan", "K \"second\"");
    EXPECT_EQ(table.lookup("K"), "second");
}

// Every shipped language file must serve each of its keys with that key's own value.
TEST(ShippedLanguageFiles, EveryKeyReturnsItsOwnValue)
{
    static const std::vector<std::string> kKeys = {
        "FILE", "FILE_NEW", "FILE_OPEN", "FILE_MERGE", "FILE_SAVEASUSER", "FILE_SAVEASHOST", "FILE_EXIT",
        "OPTIONS", "OPTIONS_STRIPE", "OPTIONS_TEXTCURSOR", "OPTIONS_CHARINFO", "OPTIONS_SCRGUIDE",
        "OPTIONS_ENDSWHITE", "OPTIONS_CHECKSTR", "OPTIONS_AUTOCHECK", "OPTIONS_Q3APATH", "OPTIONS_LANGUAGE",
        "OPTIONS_SETBKGRND", "HELP", "HELP_CONTENTS", "HELP_ABOUT", "HELP_UPDATE", "HELP_GLIMTAGSCENTER",
        "STATIC_ENTERNAME", "STATIC_SPECIALCHARS", "MESSAGE_NAMEWILLBEDELETED", "MESSAGE_NAMEWILLBELOST",
        "MESSAGE_NAMELONGER", "MESSAGE_SAVEDSUCCESSFULLY", "MESSAGE_INVALIDCHAR", "MESSAGE_CONSECUTIVECOLORS",
        "MESSAGE_INVALIDBKGRND", "MESSAGE_MUSTREINITAPP", "MESSAGE_UNABLEDESTROYMENU",
        "MESSAGE_UNABLEFINDHELPFILE", "MESSAGE_NAMEHOLDSQUOTE", "GLTEXT_PREVCHAR", "GLTEXT_CURCHAR", "GLTEXT_NEXTCHAR",
        "GLTEXT_INGAMELIMIT1", "GLTEXT_INGAMELIMIT2", "GLTEXT_INGAMELIMIT3", "GLTEXT_NAMELONGER",
        "MERGEASDLG_CAPTION", "MERGEASDLG_STATIC", "MERGEASDLG_RADIO1", "MERGEASDLG_RADIO2",
        "MERGEASDLG_BUTTONOK", "MERGEASDLG_BUTTONCANCEL", "Q3PATHDLG_CAPTION", "Q3PATHDLG_STATIC",
        "Q3PATHDLG_BUTTONOK", "Q3PATHDLG_BUTTONCANCEL", "Q3PATHDLG_BUTTONBROWSE", "PATHDLG_CAPTION",
        "PATHDLG_STATIC", "PATHDLG_ERROR1", "PATHDLG_ERROR2", "PATHDLG_ERROR3", "UPDATEDLG_CAPTION",
        "UPDATEDLG_NOCONNECTION", "UPDATEDLG_CONNECTING", "UPDATEDLG_CONNECTED", "UPDATEDLG_FOUNDNEWVERSION",
        "UPDATEDLG_NONEWVERSION", "UPDATEDLG_NOUPDATEFILEFOUND", "UPDATEDLG_UNABLETOCONNECT",
        "UPDATEDLG_UNKNOWNERROR", "UPDATEDLG_UPDATEBUTTON", "UPDATEDLG_CLOSEBUTTON", "CREATOR",
    };
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(GLIMTAGS_RESOURCES))
        if (entry.path().extension() == ".lan")
            files.push_back(entry.path());
    ASSERT_FALSE(files.empty());

    for (const auto& file : files) {
        const std::string text = *glimtags::readTextFile(file.string());
        // Each entry as written: the key at the start of a line and its quoted value.
        std::map<std::string, std::string> written;
        const std::regex entry("(^|\\n)([A-Z0-9_]+) \"([^\"]*)\"");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it)
            written[(*it)[2]] = (*it)[3];
        for (const std::string& key : kKeys) {
            ASSERT_TRUE(written.count(key)) << file << " lacks " << key;
            EXPECT_EQ(glimtags::findQuotedValue(text, key), written[key]) << file << " serves " << key << " wrongly";
            if (key != "CREATOR") {
                EXPECT_FALSE(written[key].empty()) << file << " " << key;
            }
        }
        EXPECT_EQ(written.size(), kKeys.size()) << file << " holds keys nobody asks for";
    }
}
