#include "core/game_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

using glimtags::perUserGameFolder;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

class GameFolderTest : public ::testing::Test {
protected:
    void makeFolder(const fs::path& relative) { fs::create_directories(home.path() / relative); }
    void makeConfiguration(const fs::path& relative)
    {
        makeFolder(relative);
        home.write((relative / "q3config.cfg").string(), "seta name \"x\"\n");
    }
    std::string expected(const fs::path& relative) const { return (home.path() / relative).string(); }
    std::string chosen(std::string_view xdg = {}) const { return perUserGameFolder(home.path().string(), xdg); }

    TempDir home;
    const fs::path q3a = fs::path(".q3a") / "baseq3";
    const fs::path xdgQuake3 = fs::path(".config") / "Quake3" / "baseq3";
    const fs::path openArena = fs::path(".openarena") / "baseoa";
};

TEST_F(GameFolderTest, NothingPresentGivesTheFirstCandidate)
{
    EXPECT_EQ(chosen(), expected(q3a));
    EXPECT_FALSE(fs::exists(home.path() / ".q3a"));
}

TEST_F(GameFolderTest, FolderWithAConfigurationWinsOverAnEarlierFolder)
{
    makeFolder(q3a);
    makeFolder(xdgQuake3);
    makeConfiguration(openArena);
    EXPECT_EQ(chosen(), expected(openArena));
    makeConfiguration(xdgQuake3);
    EXPECT_EQ(chosen(), expected(xdgQuake3));
    makeConfiguration(q3a);
    EXPECT_EQ(chosen(), expected(q3a));
}

TEST_F(GameFolderTest, WithoutAnyConfigurationTheFirstExistingFolderWins)
{
    makeFolder(openArena);
    EXPECT_EQ(chosen(), expected(openArena));
    makeFolder(xdgQuake3);
    EXPECT_EQ(chosen(), expected(xdgQuake3));
    makeFolder(q3a);
    EXPECT_EQ(chosen(), expected(q3a));
}

TEST_F(GameFolderTest, ConfigurationThatIsAFolderDoesNotCount)
{
    makeFolder(q3a);
    makeFolder(openArena / "q3config.cfg");
    EXPECT_EQ(chosen(), expected(q3a));
}

TEST_F(GameFolderTest, XdgConfigHomeReplacesDotConfigWhenAbsolute)
{
    const fs::path custom = fs::path("custom-config") / "Quake3" / "baseq3";
    makeConfiguration(custom);
    makeConfiguration(xdgQuake3);
    EXPECT_EQ(chosen((home.path() / "custom-config").string()), expected(custom));
    // A relative value is not a usable XDG folder and counts as unset.
    EXPECT_EQ(chosen("custom-config"), expected(xdgQuake3));
    EXPECT_EQ(chosen(""), expected(xdgQuake3));
}

TEST_F(GameFolderTest, ResultIsAbsoluteAndNormal)
{
    makeFolder(openArena);
    EXPECT_EQ(perUserGameFolder(home.path().string() + "/", ""), expected(openArena));
    EXPECT_EQ(perUserGameFolder(home.path().string() + "//sub/..", ""), expected(openArena));
    const glimtags::test::WorkingDirectory inHome(home.path());
    EXPECT_EQ(perUserGameFolder(".", ""), expected(openArena));
    EXPECT_TRUE(fs::path(perUserGameFolder("", "")).is_absolute());
}

} // namespace
