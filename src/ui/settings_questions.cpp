#include "ui/settings_questions.h"

#include "core/data_files.h"
#include "core/language_table.h"
#include "dialogs/game_path_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/user_folders.h"

#include <filesystem>

namespace glimtags {
namespace {

const platform::FileDialogRequest kBackgroundRequest{"Targa Files (*.TGA)|*.TGA", "", "BackGround Texture"};
const platform::FileDialogRequest kLanguageRequest{"Language Script File (*.lan)|*.lan", "", "Language Script",
                                                   "Choose a language script"};

} // namespace

std::optional<std::string> pickLanguageFile(wxWindow* parent)
{
    platform::FileDialogRequest request = kLanguageRequest;
    // The shipped language files lie beside the default one, wherever the editor started.
    request.folder = std::filesystem::path(findDataFile(kDefaultLanguageFile)).parent_path().string();
    const std::optional<std::string> chosen = platform::chooseFileToOpen(parent, request);
    if (!chosen)
        return std::nullopt;
    return languageSettingFor(*chosen, platform::startFolder());
}

bool askGamePath(wxWindow* parent, AppSettings& settings, SettingsStore& store, const std::string& initialPath)
{
    GamePathDialog dialog(parent, settings.Language, initialPath);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    settings.q3Path = dialog.path();
    store.writeText(settings_key::q3Path, dialog.path());
    return true;
}

std::optional<std::string> pickBackgroundFile(wxWindow* parent)
{
    return platform::chooseFileToOpen(parent, kBackgroundRequest);
}

std::optional<TgaImage> loadPicture(const std::string& path)
{
    TgaImage picture;
    if (!picture.load(path))
        return std::nullopt;
    return picture;
}

void storeBackground(AppSettings& settings, SettingsStore& store, const std::string& path)
{
    settings.BackGrndImage = path;
    store.writeText(settings_key::BackGrndImage, path);
}

} // namespace glimtags
