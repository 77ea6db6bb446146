#include "ui/picture_command_line.h"

#include "core/app_settings.h"
#include "core/data_files.h"
#include "platform/picture_file.h"
#include "platform/settings_file.h"
#include "platform/user_folders.h"
#include "ui/font_sheets.h"
#include "ui/name_picture_export.h"

#include <cstdlib>

namespace glimtags {
namespace {

void say(std::FILE* errors, const std::string& text)
{
    std::fprintf(errors, "glimtags: %s\n", text.c_str());
}

} // namespace

int writeRequestedPicture(const platform::PictureRequest& request, std::FILE* errors)
{
    // The same files the editor would draw with, wherever the command runs.
    setDataFolders(dataFolders(platform::startFolder(), platform::programPath()));
    platform::SettingsFile store(platform::SettingsFile::userSettingsPath());
    AppSettings settings;
    settings.load(store);
    std::string gameFolder = request.gameFolder;
    if (gameFolder.empty())
        gameFolder = settings.q3Path.empty() ? platform::userGameFolder() : settings.q3Path;

    FontSheets fonts(findDataFile("Font.TGA"));
    fonts.findGameSheet(gameFolder);
    if (!fonts.gameSheetUsable())
        say(errors, "the editor's own font draws the picture: " + fonts.problem());
    const TgaImage& sheet = fonts.sheet(true);
    if (sheet.pixels.empty()) {
        say(errors, fonts.ownSheetProblem());
        return EXIT_FAILURE;
    }
    TgaImage background;
    const std::string backgroundFile = findDataFile(settings.BackGrndImage);
    if (!request.transparent && !background.load(backgroundFile)) {
        say(errors, "the background picture " + backgroundFile +
                        " cannot be loaded; with --transparent the picture needs none");
        return EXIT_FAILURE;
    }
    const platform::FileWriteResult written = platform::savePicturePng(
        request.output, pictureOfName(request.name, sheet, background, {request.twiceSize, request.transparent}));
    if (!written) {
        say(errors, "cannot write " + request.output + ": " + written.error);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

} // namespace glimtags
