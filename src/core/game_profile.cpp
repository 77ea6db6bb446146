#include "core/game_profile.h"

#include "core/ascii_case.h"
#include "core/name_text.h"

#include <algorithm>
#include <iterator>

namespace glimtags {
namespace {

// ioquake3's module takes a code's colour as the engine draws it.
bool isDrawnBlack(unsigned char code) { return gameCodeColour(code) == kBlack; }

// OpenArena's module counts only a caret before a digit up to 8 as a code, and only ^0
// as black (^8, drawn black, counts as a colour).
bool isDigitCode(unsigned char caret, unsigned char code) { return caret == kCaret && code >= '0' && code <= '8'; }
bool isZero(unsigned char code) { return code == '0'; }

constexpr GameProfile kProfiles[] = {
    {Game::Ioquake3, "ioquake3", "Quake III Arena (ioquake3)", "Quake III", {isGameCodePair, isDrawnBlack, true, false, "UnnamedPlayer", false},
     "MESSAGE_GAMEREFUSES"},
    {Game::OpenArena, "openarena", "OpenArena", "OpenArena", {isDigitCode, isZero, false, true, "Nameless", true}, "MESSAGE_OAREFUSES"},
};

// Archives only OpenArena's own data ships; Quake III's are pak0.pk3 to pak8.pk3.
constexpr const char* kOpenArenaArchives[] = {
    "pak1-maps.pk3",     "pak2-players.pk3",  "pak2-players-mature.pk3", "pak4-textures.pk3",
    "pak5-TA.pk3",       "pak6-misc.pk3",     "pak6-patch085.pk3",       "pak6-patch088.pk3",
};

bool isOpenArenaArchive(const std::string& name)
{
    return std::any_of(std::begin(kOpenArenaArchives), std::end(kOpenArenaArchives),
                       [&](const char* archive) { return equalIgnoringCase(name, archive); });
}

std::string_view lastComponent(std::string_view folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    const std::size_t slash = folder.rfind('/');
    return slash == std::string_view::npos ? folder : folder.substr(slash + 1);
}

} // namespace

const GameProfile& gameProfile(Game game)
{
    return kProfiles[game == Game::OpenArena ? 1 : 0];
}

std::optional<Game> gameForKey(std::string_view key)
{
    for (const GameProfile& profile : kProfiles)
        if (key == profile.key)
            return profile.game;
    return std::nullopt;
}

Game gameOfFolder(std::string_view folder, const std::vector<std::string>& pk3Names)
{
    if (lastComponent(folder) == "baseoa" || std::any_of(pk3Names.begin(), pk3Names.end(), isOpenArenaArchive))
        return Game::OpenArena;
    return Game::Ioquake3;
}

} // namespace glimtags
