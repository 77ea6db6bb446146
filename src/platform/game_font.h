#pragma once

#include "platform/pk3_archive.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glimtags::platform {

// The game's own font sheet, as the game names it inside its data.
inline constexpr std::string_view kGameFontEntry = "gfx/2d/bigchars.tga";

// A 256 x 256 sheet is well under this; anything larger is not a font sheet and
// is not worth reading.
inline constexpr std::size_t kGameFontMaxBytes = 4 * 1024 * 1024;

// Where the game itself keeps its data: Debian's packages and the game's own installer.
inline const std::vector<std::string> kGameDataRoots = {
    "/usr/share/games/quake3",
    "/usr/share/games/openarena",
    "/usr/local/games/quake3",
};

// The folders to search, best first: the game folder, then each existing folder of
// the same name (e.g. baseq3) under the data roots. A folder already listed is not
// listed twice; an empty game folder gives none.
std::vector<std::string> gameDataFolders(const std::string& gameFolder,
                                         const std::vector<std::string>& dataRoots = kGameDataRoots);

struct GameFontSearch {
    enum class Outcome { NotFound, Found, Unreadable };

    Outcome outcome = Outcome::NotFound;
    std::string bytes;  // the sheet's file, when found
    std::string source; // where it came from: a path, or "<pk3>: <entry>"
    std::string reason; // short English text when not found or unreadable
};

// The sheet the game would draw with: in the first folder that holds it, a loose file
// wins; else the pk3 files and .pk3dir folders there, strongest first in the game's order
// (core/pak_order.h), the same entry matched as the game matches it. Only regular files
// are opened; a pk3 that is no readable zip is passed over as the game does, while a
// winning entry that is over-large, damaged or compressed in a way the game cannot read
// is reported, never replaced by an older one. Reading past the limits ends the search
// with a report.
GameFontSearch findGameFont(const std::vector<std::string>& folders, const Pk3ReadLimits& limits = {});

} // namespace glimtags::platform
