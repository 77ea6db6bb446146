#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags {

// The games the editor knows. Both run on ioquake3's engine, so both draw a name by the
// engine's rule (core/name_text.h: isGameCodePair, gameCodeColour, walkGameColours);
// they differ in what their game module does to a player name.
enum class Game { Ioquake3, OpenArena };

inline constexpr Game kGames[] = {Game::Ioquake3, Game::OpenArena};

// What a game module does to a player name, each rule as seen on the real server.
struct NameRules {
    // Whether a caret and this byte form a colour code where the module judges a name.
    bool (*isCode)(unsigned char caret, unsigned char code);
    // Whether the module takes a code with this code byte for black.
    bool (*isBlack)(unsigned char code);
    // Black codes are taken out of the name.
    bool dropsBlackCodes;
    // A name without a letter or digit drawn in a colour other than black loses every
    // colour code and every byte outside 0x20..0x7E.
    bool stripsNameWithoutColour;
    // The name of a player whose name has nothing left, and whether the player's slot
    // number on the server follows it ("Nameless3").
    const char* unnamed;
    bool unnamedTakesSlot;
};

struct GameProfile {
    Game game;
    // The value of the Game setting and of the tools' --game option.
    const char* key;
    // How the menu names the game, and the status bar's shorter name.
    const char* title;
    const char* shortTitle;
    NameRules names;
    // The language key of the string check's question about a byte the engine refuses,
    // which names the player's default name.
    const char* refusedQuestion;
};

const GameProfile& gameProfile(Game game);

// The game a Game setting or --game option names; nothing for any other text.
std::optional<Game> gameForKey(std::string_view key);

// The game a game folder belongs to, before the user has chosen one: OpenArena when the
// folder's last component is baseoa or its pk3 files (by name) are OpenArena's, else ioquake3.
Game gameOfFolder(std::string_view folder, const std::vector<std::string>& pk3Names);

} // namespace glimtags
