#include "ui/font_sheets.h"

namespace glimtags {

namespace {

constexpr int kCellsPerSide = 16;

// Why a picture read from the source, or that failed to read, cannot serve as a glyph
// sheet; empty when it can. A sheet that cannot serve is emptied.
std::string refuseUnusable(TgaImage& sheet, const Outcome& read, const std::string& source)
{
    if (read.code == static_cast<int>(TgaError::OpenFailed))
        return source + " cannot be opened";
    if (!read)
        return source + " is not an uncompressed Targa picture the editor can read (error " +
               std::to_string(read.code) + ")";
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
    const Outcome read = ownSheet_.load(ownSheet);
    ownProblem_ = refuseUnusable(ownSheet_, read, ownSheet);
}

void FontSheets::findGameSheet(const std::string& gameFolder)
{
    search_ = platform::findGameFont(platform::gameDataFolders(gameFolder));
    gameSheet_ = TgaImage();
    problem_ = search_.reason;
    if (search_.outcome == platform::GameFontSearch::Outcome::Found) {
        const Outcome decoded = gameSheet_.decode(search_.bytes);
        problem_ = refuseUnusable(gameSheet_, decoded, search_.source);
    }
    search_.bytes.clear();
}

const TgaImage& FontSheets::sheet(bool useGameSheet) const
{
    return useGameSheet && gameSheetUsable() ? gameSheet_ : ownSheet_;
}

} // namespace glimtags
