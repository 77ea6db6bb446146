#include "core/game_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::Game;

TEST(GameProfile, GameOfTheFolderBeforeTheUserChooses)
{
    struct Case {
        const char* folder;
        std::vector<std::string> pk3s;
        Game game;
    };
    const Case cases[] = {
        {"/home/p/.openarena/baseoa", {}, Game::OpenArena},
        {"/home/p/.openarena/baseoa/", {}, Game::OpenArena},
        {"baseoa", {}, Game::OpenArena},
        {"/games/oa", {"pak0.pk3", "pak6-patch088.pk3"}, Game::OpenArena},
        {"/games/oa", {"PAK1-MAPS.PK3"}, Game::OpenArena},
        {"/home/p/.q3a/baseq3", {"pak0.pk3", "pak8.pk3"}, Game::Ioquake3},
        {"/home/p/baseoa/baseq3", {}, Game::Ioquake3},
        {"/home/p/.openarena/BaseOA", {}, Game::Ioquake3},
        {"", {}, Game::Ioquake3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glimtags::gameOfFolder(c.folder, c.pk3s), c.game) << c.folder;
}

TEST(GameProfile, SettingKeysNameEachGameOnce)
{
    for (const Game game : glimtags::kGames)
        EXPECT_EQ(glimtags::gameForKey(glimtags::gameProfile(game).key), game);
    EXPECT_EQ(glimtags::gameProfile(Game::OpenArena).key, std::string("openarena"));
    EXPECT_EQ(glimtags::gameProfile(Game::Ioquake3).key, std::string("ioquake3"));
    for (const char* unknown : {"", "OpenArena", "quake3"})
        EXPECT_EQ(glimtags::gameForKey(unknown), std::nullopt) << unknown;
}
