#pragma once

#include "core/name_script.h"
#include "core/name_text.h"

#include <optional>
#include <vector>

namespace glimtags {

// Longest player name, in bytes with colour codes counted, the server's game keeps.
inline constexpr int kGameNameBytes = 35;

// What the server name is given when a player's name has nothing visible left.
inline constexpr const char* kUnnamedPlayer = "UnnamedPlayer";

enum class GameChangeReason {
    NetworkDot,  // '%' or a byte above 127, read off the network as '.'
    RefusedByte, // ';', '\' or '"': the whole value never reaches the server
    LeadingBlank,
    ExtraBlank,  // a fourth (fifth...) blank in a row
    BlackCode,   // a colour code whose colour is black
    CutAtLimit,  // everything from here on, past kGameNameBytes
    Unnamed,     // no visible character left: the name becomes kUnnamedPlayer
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

// The text an ioquake3 server ends up with for a name set on the client, and every
// change on the way, in the engine's order: the network read, the refusal of the
// value, then, for user names only, the game's cleaning (leading blanks, runs of
// blanks, black codes, the byte limit, the unnamed fallback). Each dropped or
// altered byte or code is a change of its own; a refused name stops after listing
// its refused bytes; a cut is one change from the cut to the end; Unnamed covers
// the whole name. A name the rules leave alone comes back as typed with no changes.
GameName serverName(const NameText& typed, NameType type);

// What a server makes of a player name, when that differs from the name as typed: the
// line the preview adds above the name. Nothing for an empty name.
std::optional<NameText> serverNameIfChanged(const NameText& typed);

// Where a server cuts the player name: the cut, through the end; nothing when it keeps all.
std::optional<GameChange> serverCut(const NameText& typed);

} // namespace glimtags
