#include "ui/font_sheets.h"

namespace glimtags {

namespace {

constexpr int kCellsPerSide = 16;

// Why a picture read from the source, or that failed to read, cannot serve as a glyph
// sheet; empty when it can. A sheet that cannot serve is emptied.
std::string refuseUnusable(TgaImage& sheet, const std::string& source)
{
    if (sheet.errorCode == TgaError::OpenFailed)
        return source + " cannot be opened";
    if (sheet.errorCode != TgaError::None)
        return source + " is not an uncompressed Targa picture the editor can read (error " +
               std::to_string(static_cast<int>(sheet.errorCode)) + ")";
    if (isGlyphSheet(sheet))
        return {};
    const std::string size = std::to_string(sheet.width) + " x " + std::to_string(sheet.height);
    sheet = TgaImage();
    return source + " is " + size + " pixels, not a square of 16 x 16 glyph cells";
}

} // namespace

bool isGlyphSheet(const TgaImage& picture)
{
    return !picture.pixels.empty() && picture.width == picture.height && picture.width >= kCellsPerSide;
}

FontSheets::FontSheets(const std::string& ownSheet)
{
    ownSheet_.load(ownSheet);
    ownProblem_ = refuseUnusable(ownSheet_, ownSheet);
}

void FontSheets::findGameSheet(const std::string& gameFolder)
{
    search_ = platform::findGameFont(platform::gameDataFolders(gameFolder));
    gameSheet_ = TgaImage();
    problem_ = search_.reason;
    if (search_.outcome == platform::GameFontSearch::Outcome::Found) {
        gameSheet_.decode(search_.bytes);
        problem_ = refuseUnusable(gameSheet_, search_.source);
    }
    search_.bytes.clear();
}

const TgaImage& FontSheets::sheet(bool useGameSheet) const
{
    return useGameSheet && gameSheetUsable() ? gameSheet_ : ownSheet_;
}

} // namespace glimtags
