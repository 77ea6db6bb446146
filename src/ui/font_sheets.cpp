#include "ui/font_sheets.h"

namespace glimtags {

FontSheets::FontSheets(const std::string& ownSheet)
{
    // Without the editor's own sheet the glyphs show as squares.
    static_cast<void>(ownSheet_.load(ownSheet));
}

void FontSheets::findGameSheet(const std::string& gameFolder)
{
    search_ = platform::findGameFont(platform::gameDataFolders(gameFolder));
    gameSheet_ = TgaImage();
    problem_ = search_.reason;
    // A sheet the editor cannot read counts as a broken one.
    if (search_.outcome == platform::GameFontSearch::Outcome::Found)
        if (const glimtags::Outcome decoded = gameSheet_.decode(search_.bytes); !decoded)
            problem_ = search_.source + " is not an uncompressed Targa picture the editor can read (error " +
                       std::to_string(decoded.code) + ")";
    search_.bytes.clear();
}

const TgaImage& FontSheets::sheet(bool useGameSheet) const
{
    return useGameSheet && gameSheetUsable() ? gameSheet_ : ownSheet_;
}

} // namespace glimtags
