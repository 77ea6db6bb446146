#pragma once

#include "core/game_profile.h"
#include "core/name_script.h"
#include "core/name_text.h"

#include <optional>
#include <string>
#include <vector>

namespace glimtags {

// Longest player name, in bytes with colour codes counted, the server's game keeps.
inline constexpr int kGameNameBytes = 35;

// The slot a player's server name shows where the game adds one ("Nameless0"): the
// editor cannot know the slot a server will give, so it shows the first.
inline constexpr int kShownSlot = 0;

enum class GameChangeReason {
    NetworkDot,  // '%' or a byte above 127, read off the network as '.'
    RefusedByte, // ';', '\' or '"': the whole value never reaches the server
    LeadingBlank,
    ExtraBlank,  // a fourth (fifth...) blank in a row
    BlackCode,   // a colour code whose colour is black, where the game drops those
    CutAtLimit,  // everything from here on, past kGameNameBytes
    Uncoloured,  // no letter or digit drawn in a colour: a code or an unprintable byte goes
    Unnamed,     // nothing visible left: the name becomes the game's default name
};

// Bytes [start, end) of the name as typed.
struct GameChange {
    int start;
    int end;
    GameChangeReason reason;
    bool operator==(const GameChange&) const = default;
};

struct GameName {
    NameText text;
    std::vector<GameChange> changes;
};

// The name a player with nothing left in the name gets in the game, in slot kShownSlot.
std::string unnamedPlayer(Game game);

// The text a server of the game ends up with for a name set on the client, and every
// change on the way, in the engine's order: the network read, the refusal of the
// value, then, for user names only, the game module's cleaning (leading blanks, runs of
// blanks, black codes, the byte limit, the stripping of a name without colour, the
// unnamed fallback). Each dropped or altered byte or code is a change of its own; a
// refused name stops after listing its refused bytes; a cut is one change from the cut
// to the end; Unnamed covers the whole name. A name the rules leave alone comes back as
// typed with no changes.
GameName serverName(const NameText& typed, NameType type, Game game);

// What a server makes of a player name, when that differs from the name as typed: the
// line the preview adds above the name. Nothing for an empty name.
std::optional<NameText> serverNameIfChanged(const NameText& typed, Game game);

// Where a server cuts the player name: the cut, through the end; nothing when it keeps all.
std::optional<GameChange> serverCut(const NameText& typed, Game game);

} // namespace glimtags
