#include "core/language_table.h"
#include "core/regular_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <ranges>
#include <regex>
#include <string>

using glimtags::LanguageTable;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

class LanguageTableTest : public ::testing::Test {
protected:
    TempDir dir;
};

// One table reads every case: the file is read afresh at each lookup.
TEST_F(LanguageTableTest, FirstMatchWithoutCaseThenTheNextQuotedValue)
{
    const LanguageTable table(dir.file("test.lan"));
    const struct { const char* contents; const char* key; const char* value; } cases[] = {
        {"file_new \"&New\"\n", "FILE_NEW", "&New"},
        // The first match may lie inside a longer key, and a value may be another entry's.
        {"FILE_NEW \"&New\"\nFILE \"&File\"\n", "FILE", "&New"},
        {"KEY is described here\nOTHER \"other\"\n", "KEY", "other"},
        {"K \"a\\n\xe9\"", "K", "a\\n\xe9"},
        {"K \"one\r\ntwo\"\r\n", "K", "one\ntwo"},
        {"K \"one\rtwo\"", "K", "one\rtwo"},
        {"MISSING \"x\"\n", "FILE", ""}, {"K \"never closed", "K", ""}, {"K", "K", ""}, {"K", "KEY", ""},
    };
    for (const auto& c : cases) {
        dir.write("test.lan", c.contents);
        EXPECT_EQ(table.lookup(c.key), c.value) << c.contents;
    }
}

TEST_F(LanguageTableTest, AnUnreadableFileFailsToLoadWithItsMessageAndGivesEmptyTexts)
{
    ASSERT_EQ(::mkfifo(dir.file("pipe.lan").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("missing.lan"), dir.path().string(), dir.file("pipe.lan")}) {
        const glimtags::Outcome loaded = glimtags::loadLanguageFile(path);
        EXPECT_FALSE(loaded) << path;
        EXPECT_EQ(loaded.error, "Unable to open language file ' " + path + "'!");
        EXPECT_EQ(LanguageTable(path).lookup("FILE"), "") << path;
    }
}

// As at start: the texts stay when the file goes, and a file that cannot be read leaves them.
TEST_F(LanguageTableTest, TheFileLoadedAtStartIsNotReadAgain)
{
    const std::string path = dir.write("start.lan", "FILE_NEW \"&New\"\n");
    ASSERT_TRUE(glimtags::loadLanguageFile(path));
    fs::remove(path);
    EXPECT_EQ(LanguageTable(path).lookup("FILE_NEW"), "&New");

    EXPECT_FALSE(glimtags::loadLanguageFile(dir.file("missing.lan")));
    EXPECT_EQ(LanguageTable(path).lookup("FILE_NEW"), "&New");
}

// Bare names resolve against the start folder, so only a file there may be stored by one.
TEST(LanguageSetting, BareNameOnlyForAFileInTheStartFolder)
{
    const TempDir dir;
    const std::string start = dir.file("app");
    fs::create_directories(start + "/sub");
    fs::create_directory_symlink(start, dir.file("link"));
    const struct { std::string chosen, startFolder, stored; } cases[] = {
        {start + "/Deutsch.lan", start, "Deutsch.lan"},
        {dir.file("link/Deutsch.lan"), start, "Deutsch.lan"},
        {start + "/Deutsch.lan", dir.file("link"), "Deutsch.lan"},
        {start + "/sub/Deutsch.lan", start, start + "/sub/Deutsch.lan"},
        {dir.file("Deutsch.lan"), start, dir.file("Deutsch.lan")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::languageSettingFor(c.chosen, c.startFolder), c.stored) << c.chosen << " " << c.startFolder;
}

// Every shipped file holds the keys of the default one, each serving its own value:
// an entry whose key holds an earlier one's would shadow it.
TEST(ShippedLanguageFiles, HoldTheDefaultKeysEachServingItsOwnValue)
{
    const auto entries = [](const std::string& text) {
        std::map<std::string, std::string> written;
        const std::regex entry("(^|\\n)([A-Z0-9_]+) \"([^\"]*)\"");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), entry); it != std::sregex_iterator(); ++it)
            written[(*it)[2]] = (*it)[3];
        return written;
    };
    const std::string resources = GLIMTAGS_RESOURCES;
    const auto defaults = entries(glimtags::readTextFile(resources + "/" + glimtags::kDefaultLanguageFile).value());
    ASSERT_GT(defaults.size(), 60u);
    for (const auto& file : fs::directory_iterator(resources)) {
        if (file.path().extension() != ".lan")
            continue;
        const std::string text = glimtags::readTextFile(file.path().string()).value();
        const auto written = entries(text);
        EXPECT_TRUE(std::ranges::equal(std::views::keys(written), std::views::keys(defaults))) << file;
        for (const auto& [key, value] : written)
            EXPECT_EQ(glimtags::findQuotedValue(text, key), value) << file << " serves " << key << " wrongly";
    }
}

} // namespace
