#include "core/folder_path.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using glimtags::ConfirmFolderPath;
using glimtags::FolderPathHost;
using glimtags::IsValidFolderName;
using glimtags::LanguageTable;
using glimtags::ProcessFolderPath;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

TEST(IsValidFolderName, RefusesEmptyEdgesAndReservedCharacters)
{
    for (const char* accepted : {"baseq3", "a", "Quake III Arena", "q3.cfg", "a.b", "\x01x", "\xE9t\xE9", "-", ".q3", ". q3",
                                 ".openarena", ".a.b"})
        EXPECT_TRUE(IsValidFolderName(accepted)) << accepted;
    for (const char* refused :
         {"", " q3", "q3 ", "\tq3", "q3\t", "q3.", ".q3.", "..", ".", "...", " ", "\t", ".q3 ", " .q3"})
        EXPECT_FALSE(IsValidFolderName(refused)) << '[' << refused << ']';
    for (const char reserved : std::string("\"*/:<>?\\|")) {
        EXPECT_FALSE(IsValidFolderName(std::string("a") + reserved + "b")) << reserved;
        EXPECT_FALSE(IsValidFolderName(std::string(1, reserved))) << reserved;
    }
}

TEST(ProcessFolderPath, SyntaxOfAbsolutePaths)
{
    for (const char* valid : {"/", "/games", "/games/q3", "/home/player/baseq3", "/a b/c.d", "/games/.q3",
                              "/home/player/.q3a/baseq3", "/home/player/.openarena/baseoa"})
        EXPECT_EQ(ProcessFolderPath(valid, true), glimtags::kFolderPathAccepted) << valid;
    for (const char* invalid : {"", "relative/path", "games", "./games", "~/games", "/games/", "/games//q3", "//",
                                "//games", "/games/ q3", "/games/q3 ", "/games/\tq3", "/games/q3\t", "/games/q3.",
                                "/games/../q3", "/..", "/.", "/games/..", "/games/.", "/.q3a/", "/.q3a/baseq3.",
                                "C:\\games"})
        EXPECT_EQ(ProcessFolderPath(invalid, true), glimtags::kFolderPathInvalid) << '[' << invalid << ']';
    for (const char reserved : std::string("\"*:<>?\\|"))
        EXPECT_EQ(ProcessFolderPath(std::string("/games/q") + reserved + "3", true), glimtags::kFolderPathInvalid)
            << reserved;
}

TEST(ProcessFolderPath, LongestPathIs259Characters)
{
    const std::string longest = "/" + std::string(200, 'a') + "/" + std::string(57, 'b');
    ASSERT_EQ(longest.size(), 259u);
    EXPECT_EQ(ProcessFolderPath(longest, true), glimtags::kFolderPathAccepted);
    EXPECT_EQ(ProcessFolderPath(longest + "c", true), glimtags::kFolderPathInvalid);
}

TEST(ProcessFolderPath, CheckOnlyTouchesNothing)
{
    TempDir dir;
    const fs::path target = dir.path() / "new" / "folder";
    EXPECT_EQ(ProcessFolderPath(target.string(), true), glimtags::kFolderPathAccepted);
    EXPECT_FALSE(fs::exists(dir.path() / "new"));
}

TEST(ProcessFolderPath, CreateModeMakesEveryMissingFolder)
{
    TempDir dir;
    fs::create_directory(dir.path() / "games");
    const fs::path target = dir.path() / "games" / "quake3" / "baseq3";
    EXPECT_EQ(ProcessFolderPath(target.string(), false), glimtags::kFolderPathAccepted);
    EXPECT_TRUE(fs::is_directory(target));
    // Existing folders along the way are no failure.
    EXPECT_EQ(ProcessFolderPath(target.string(), false), glimtags::kFolderPathAccepted);
    EXPECT_EQ(ProcessFolderPath("/", false), glimtags::kFolderPathAccepted);
}

// Permission bits do not stop root, so the creation is made to fail under a regular file.
TEST(ProcessFolderPath, CreateModeReportsAFolderThatCannotBeMade)
{
    TempDir dir;
    const std::string file = dir.write("file.txt", "x");
    EXPECT_EQ(ProcessFolderPath(file + "/sub/deeper", false), glimtags::kFolderPathNotCreated);
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(ProcessFolderPath(file + "/sub", true), glimtags::kFolderPathAccepted);
}

struct Message {
    bool question;
    std::string text;
};

class RecordingHost : public FolderPathHost {
public:
    void showError(const std::string& message) override { messages.push_back({false, message}); }
    bool askYesNo(const std::string& question) override
    {
        messages.push_back({true, question});
        return answer;
    }

    bool answer = true;
    std::vector<Message> messages;
};

class ConfirmFolderPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        glimtags::setLanguageFailureHandler([](const std::string& message) { FAIL() << message; });
        language = dir.write("test.lan", "PATHDLG_ERROR1 \"Create '%s'?\"\n"
                                         "PATHDLG_ERROR2 \"Invalid path: %s (%d)\"\n"
                                         "PATHDLG_ERROR3 \"Unable to create %s\"\n");
    }
    void TearDown() override { glimtags::setLanguageFailureHandler(nullptr); }

    int confirm(const std::string& path) { return ConfirmFolderPath(path, host, LanguageTable(language)); }

    TempDir dir;
    std::string language;
    RecordingHost host;
};

TEST_F(ConfirmFolderPathTest, ExistingFolderIsAcceptedWithoutAQuestionAndAFileIsRefused)
{
    EXPECT_EQ(confirm("/"), glimtags::kFolderPathAccepted);
    EXPECT_EQ(confirm(dir.path().string()), glimtags::kFolderPathAccepted);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(confirm(language), glimtags::kFolderPathInvalid);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(host.messages[0].question);
    EXPECT_EQ(host.messages[0].text, "Invalid path: " + language + " (%d)");
}

TEST_F(ConfirmFolderPathTest, InvalidPathShowsTheFormattedLanguageText)
{
    EXPECT_EQ(confirm("games/q3"), glimtags::kFolderPathInvalid);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(host.messages[0].question);
    // A conversion the message has no argument for stands as written.
    EXPECT_EQ(host.messages[0].text, "Invalid path: games/q3 (%d)");
}

TEST_F(ConfirmFolderPathTest, MissingFolderIsCreatedOnYes)
{
    const fs::path target = dir.path() / "quake3" / "baseq3";
    EXPECT_EQ(confirm(target.string()), glimtags::kFolderPathAccepted);
    EXPECT_TRUE(fs::is_directory(target));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].question);
    EXPECT_EQ(host.messages[0].text, "Create '" + target.string() + "'?");
}

TEST_F(ConfirmFolderPathTest, MissingFolderStaysMissingOnNo)
{
    host.answer = false;
    const fs::path target = dir.path() / "quake3" / "baseq3";
    EXPECT_EQ(confirm(target.string()), glimtags::kFolderPathCreationDeclined);
    EXPECT_FALSE(fs::exists(dir.path() / "quake3"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].question);
}

TEST_F(ConfirmFolderPathTest, FailedCreationShowsTheThirdText)
{
    const std::string target = language + "/baseq3";
    EXPECT_EQ(confirm(target), glimtags::kFolderPathNotCreated);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(host.messages[0].question);
    EXPECT_FALSE(host.messages[1].question);
    EXPECT_EQ(host.messages[1].text, "Unable to create " + target);
}

// The texts are read when each message is shown, not when the validation starts.
TEST_F(ConfirmFolderPathTest, TextsAreLookedUpAtEachMessage)
{
    EXPECT_EQ(confirm("relative"), glimtags::kFolderPathInvalid);
    dir.write("test.lan", "PATHDLG_ERROR2 \"Changed %s\"\n");
    EXPECT_EQ(confirm("relative"), glimtags::kFolderPathInvalid);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, "Changed relative");
}

} // namespace
