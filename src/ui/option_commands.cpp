// The Options menu: the six toggles, Check String, the background picture, the
// language and the game path.
#include "ui/editor_window.h"

#include "core/language_table.h"
#include "dialogs/game_path_dialog.h"
#include "platform/file_dialogs.h"
#include "render/tga_image.h"
#include "ui/control_ids.h"
#include "ui/menu_bar.h"

#include <wx/menu.h>

#include <filesystem>

namespace glimtags {

namespace {

const platform::FileDialogRequest kBackgroundRequest{"Targa Files (*.TGA)|*.TGA", "", "BackGround Texture"};
const platform::FileDialogRequest kLanguageRequest{"Language Script File (*.lan)|*.lan", "", "Language Script",
                                                       "Choose a language script"};

} // namespace

bool EditorWindow::backgroundLoads(const std::string& path)
{
    TgaImage image;
    image.clear();
    return image.load(path) == 1;
}

void EditorWindow::OnToggle(wxCommandEvent& event)
{
    const std::optional<Toggle> option = toggleForMenuItem(event.GetId());
    if (!option)
        return;
    const bool on = settings_.toggle(*option, store_);
    menuBar_->Check(event.GetId(), on);
    if (*option != Toggle::EndColorWhite && *option != Toggle::AutoChecking)
        requestRepaint();
}

void EditorWindow::OnCheckString(wxCommandEvent&)
{
    checkString(*this);
}

void EditorWindow::OnSetBackground(wxCommandEvent&)
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(this, kBackgroundRequest);
    if (!chosen)
        return;
    // A picture that cannot be loaded is refused; the editor keeps the one it has
    // and the name being edited.
    if (!backgroundLoads(*chosen)) {
        showLanguageMessage("MESSAGE_INVALIDBKGRND");
        return;
    }
    settings_.BackGrndImage = *chosen;
    store_.writeText(settings_key::BackGrndImage, *chosen);
    startScene();
}

void EditorWindow::setBackgroundAtStart()
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(this, kBackgroundRequest);
    if (!chosen)
        return;
    settings_.BackGrndImage = *chosen;
    store_.writeText(settings_key::BackGrndImage, *chosen);
    if (!backgroundLoads(*chosen)) {
        showLanguageMessage("MESSAGE_INVALIDBKGRND");
        quitRequested_ = true;
    }
}

void EditorWindow::OnSetLanguage(wxCommandEvent&)
{
    setLanguage();
    if (quitRequested_)
        endEditor();
}

void EditorWindow::setLanguage()
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(this, kLanguageRequest);
    if (!chosen || !askYesNo("MESSAGE_MUSTREINITAPP"))
        return;
    const std::string language = languageSettingFor(*chosen, std::filesystem::current_path().string());
    // A language that could not be stored (the store has said why) would not be used at
    // the next start either, so the editor goes on.
    if (!store_.writeText(settings_key::Language, language))
        return;
    settings_.Language = language;
    quitRequested_ = true;
}

void EditorWindow::OnGamePath(wxCommandEvent&)
{
    askGamePath(settings_.q3Path);
}

bool EditorWindow::askGamePath(const std::string& initialPath)
{
    // After a confirmed new language every further question counts as cancelled.
    if (quitRequested_)
        return false;
    GamePathDialog dialog(this, settings_.Language, initialPath);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    settings_.q3Path = dialog.path();
    store_.writeText(settings_key::q3Path, settings_.q3Path);
    return true;
}

} // namespace glimtags
