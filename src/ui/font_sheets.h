#pragma once

#include "platform/game_font.h"
#include "render/tga_image.h"

#include <string>

namespace glimtags {

// Whether the picture can serve as a glyph sheet: a square of 16 x 16 cells, each at
// least one pixel wide. Anything else would draw and show stretched or cut glyphs.
bool isGlyphSheet(const TgaImage& picture);

// The two glyph sheets the preview and the palette can draw with: the editor's own and,
// when the player's game data holds one, the game's. A sheet that cannot be used is
// held empty, so that the preview draws blocks and the palette shows no pictures.
class FontSheets {
public:
    explicit FontSheets(const std::string& ownSheet);

    // Looks for the game's sheet in the game folder and the game's data folders of the
    // same name (again after a change of the game folder).
    void findGameSheet(const std::string& gameFolder);

    // The game's sheet when it is wanted and usable, else the editor's own.
    const TgaImage& sheet(bool useGameSheet) const;
    bool ownSheetUsable() const { return !ownSheet_.pixels.empty(); }
    // Why the editor's own sheet cannot be used, naming the file.
    const std::string& ownSheetProblem() const { return ownProblem_; }
    // Whether the game data holds a sheet at all, usable or not.
    bool gameSheetFound() const { return search_.outcome != platform::GameFontSearch::Outcome::NotFound; }
    bool gameSheetUsable() const { return !gameSheet_.pixels.empty(); }
    // Why there is no usable sheet of the game's, naming the files or folders.
    const std::string& problem() const { return problem_; }

private:
    TgaImage ownSheet_;
    std::string ownProblem_;
    TgaImage gameSheet_;
    platform::GameFontSearch search_;
    std::string problem_;
};

} // namespace glimtags
