#include "core/game_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using glimtags::perUserGameFolder;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

const char* const kCandidates[] = {".q3a/baseq3", ".config/Quake3/baseq3", ".openarena/baseoa"};

// A configuration wins over an earlier folder without one; without any, the first
// folder that exists; without any folder, the first candidate, which is not made.
TEST(GameFolder, FirstWithAConfigurationElseFirstThatExists)
{
    const struct {
        const char* folders;       // candidates that exist, by index
        const char* configured;    // of those, the ones holding q3config.cfg
        const char* folderConfigs; // ones where q3config.cfg is a folder
        int chosen;
    } cases[] = {
        {"", "", "", 0},       {"012", "2", "", 2},   {"012", "12", "", 1}, {"012", "012", "", 0},
        {"2", "", "", 2},      {"12", "", "", 1},     {"0", "", "2", 0},
    };
    for (const auto& c : cases) {
        const TempDir home;
        for (const char* i = c.folders; *i; ++i)
            fs::create_directories(home.path() / kCandidates[*i - '0']);
        for (const char* i = c.configured; *i; ++i)
            home.write(std::string(kCandidates[*i - '0']) + "/q3config.cfg", "seta name \"x\"\n");
        for (const char* i = c.folderConfigs; *i; ++i)
            fs::create_directories(home.path() / kCandidates[*i - '0'] / "q3config.cfg");
        EXPECT_EQ(perUserGameFolder(home.path().string(), ""), home.file(kCandidates[c.chosen]))
            << c.folders << '/' << c.configured << '/' << c.folderConfigs;
        EXPECT_EQ(fs::exists(home.path() / ".q3a"), *c.folders == '0');
    }
}

TEST(GameFolder, AbsoluteXdgConfigHomeReplacesDotConfig)
{
    const TempDir home;
    for (const char* config : {"custom/Quake3/baseq3", ".config/Quake3/baseq3"}) {
        fs::create_directories(home.path() / config);
        home.write(std::string(config) + "/q3config.cfg", "");
    }
    EXPECT_EQ(perUserGameFolder(home.path().string(), home.file("custom")), home.file("custom/Quake3/baseq3"));
    for (const char* unset : {"custom", ""})
        EXPECT_EQ(perUserGameFolder(home.path().string(), unset), home.file(".config/Quake3/baseq3")) << unset;
}

TEST(GameFolder, ResultIsAbsoluteAndNormal)
{
    const TempDir home;
    fs::create_directories(home.path() / ".openarena/baseoa");
    const std::string expected = home.file(".openarena/baseoa");
    EXPECT_EQ(perUserGameFolder(home.path().string() + "//sub/../", ""), expected);
    const glimtags::test::WorkingDirectory inHome(home.path());
    for (const char* relative : {".", ""})
        EXPECT_EQ(perUserGameFolder(relative, ""), expected) << '[' << relative << ']';
}

} // namespace
