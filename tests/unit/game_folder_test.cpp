#include "core/game_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using glimtags::namedGameFolder;
using glimtags::perUserGameFolder;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

const char* const kCandidates[] = {".q3a/baseq3", ".config/Quake3/baseq3", ".openarena/baseoa"};

// A configuration wins over an earlier folder without one; without any, the first
// folder that exists; without any folder, the first candidate, which is not made.
// Each candidate: '-' missing, 'd' a folder, 'c' a folder with q3config.cfg,
// 'f' a folder whose q3config.cfg is a folder too.
TEST(GameFolder, FirstWithAConfigurationElseFirstThatExists)
{
    for (const auto& [states, chosen] : {std::pair{"---", 0}, {"ddc", 2}, {"dcc", 1}, {"ccc", 0}, {"--d", 2},
                                         {"-dd", 1}, {"d-f", 0}}) {
        const TempDir home;
        for (int i = 0; i < 3; ++i) {
            if (states[i] != '-')
                fs::create_directories(home.path() / kCandidates[i]);
            if (states[i] == 'c')
                home.write(std::string(kCandidates[i]) + "/q3config.cfg", "seta name \"x\"\n");
            if (states[i] == 'f')
                fs::create_directory(home.path() / kCandidates[i] / "q3config.cfg");
        }
        EXPECT_EQ(perUserGameFolder(home.path().string(), "", home.file("no-system-data")), home.file(kCandidates[chosen]))
            << states;
        EXPECT_EQ(fs::exists(home.path() / ".q3a"), states[0] != '-') << states;
    }
}

TEST(GameFolder, AbsoluteXdgConfigHomeReplacesDotConfig)
{
    const TempDir home;
    for (const char* config : {"custom/Quake3/baseq3", ".config/Quake3/baseq3"})
        home.write(std::string(config) + "/q3config.cfg", "");
    EXPECT_EQ(perUserGameFolder(home.path().string(), home.file("custom"), home.file("none")), home.file("custom/Quake3/baseq3"));
    for (const char* unset : {"custom", ""})
        EXPECT_EQ(perUserGameFolder(home.path().string(), unset, home.file("none")), home.file(".config/Quake3/baseq3"))
            << unset;
}

// With no per-user folder yet, the folder of the game whose data is installed.
TEST(GameFolder, WithoutAnyFolderTheInstalledGamesOne)
{
    for (const auto& [installed, chosen] : {std::pair{"", ".q3a/baseq3"}, {"openarena/baseoa", ".openarena/baseoa"},
                                            {"quake3/baseq3", ".q3a/baseq3"}}) {
        const TempDir home;
        fs::create_directories(home.path() / "system");
        fs::create_directories(home.path() / "system" / "quake3");
        if (*installed)
            fs::create_directories(home.path() / "system" / installed);
        if (std::string(installed) == "quake3/baseq3")
            fs::create_directories(home.path() / "system" / "openarena" / "baseoa");
        EXPECT_EQ(perUserGameFolder(home.path().string(), "", home.file("system")), home.file(chosen)) << installed;
    }
}

TEST(GameFolder, Pk3FileNames)
{
    const TempDir folder;
    for (const char* name : {"pak0.pk3", "pak1-maps.PK3", "q3config.cfg"})
        folder.write(name, "");
    fs::create_directory(folder.path() / "sub.pk3dir");
    std::vector<std::string> names = glimtags::pk3FileNames(folder.path().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"pak0.pk3", "pak1-maps.PK3"}));
    EXPECT_TRUE(glimtags::pk3FileNames(folder.file("missing")).empty());
}

// A game named on the command line has one folder in the home, whether it exists or not.
TEST(GameFolder, NamedGameHasItsOwnFolderInTheHome)
{
    const std::string cwd = fs::current_path().string();
    const std::pair<std::pair<const char*, const char*>, std::optional<std::string>> cases[] = {
        {{"ioquake3", "/home/fred"}, "/home/fred/.q3a/baseq3"},
        {{"openarena", "/home/fred/"}, "/home/fred/.openarena/baseoa"},
        {{"openarena", ""}, cwd + "/.openarena/baseoa"},
        {{"OpenArena", "/home/fred"}, std::nullopt},
        {{"quake3", "/home/fred"}, std::nullopt},
        {{"", "/home/fred"}, std::nullopt},
    };
    for (const auto& [arguments, folder] : cases)
        EXPECT_EQ(namedGameFolder(arguments.first, arguments.second), folder) << arguments.first;
}

} // namespace
