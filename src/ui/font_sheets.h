#pragma once

#include "platform/game_font.h"
#include "render/tga_image.h"

#include <string>

namespace glimtags {

// The two glyph sheets the preview and the palette can draw with: the editor's own and,
// when the player's game data holds one, the game's.
class FontSheets {
public:
    explicit FontSheets(const std::string& ownSheet);

    // Looks for the game's sheet in the game folder and the game's data folders of the
    // same name (again after a change of the game folder).
    void findGameSheet(const std::string& gameFolder);

    // The game's sheet when it is wanted and usable, else the editor's own.
    const TgaImage& sheet(bool useGameSheet) const;
    // Whether the game data holds a sheet at all, usable or not.
    bool gameSheetFound() const { return search_.outcome != platform::GameFontSearch::Outcome::NotFound; }
    bool gameSheetUsable() const { return !gameSheet_.pixels.empty(); }
    // Why there is no usable sheet of the game's, naming the files or folders.
    const std::string& problem() const { return problem_; }

private:
    TgaImage ownSheet_;
    TgaImage gameSheet_;
    platform::GameFontSearch search_;
    std::string problem_;
};

} // namespace glimtags
