#include "ui/option_commands.h"

#include "core/data_files.h"
#include "core/game_folder.h"
#include "core/game_profile.h"
#include "core/language_table.h"
#include "dialogs/game_path_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/menu_tooltip.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"
#include "render/tga_image.h"
#include "ui/control_ids.h"
#include "ui/editor_window.h"
#include "ui/font_sheets.h"
#include "ui/menu_bar.h"
#include "ui/palette.h"
#include "ui/preview_canvas.h"

#include <wx/menu.h>

#include <filesystem>

namespace glimtags {
namespace {

const platform::FileDialogRequest kBackgroundRequest{"Targa Files (*.TGA)|*.TGA", "", "BackGround Texture"};
const platform::FileDialogRequest kLanguageRequest{"Language Script File (*.lan)|*.lan", "", "Language Script",
                                                   "Choose a language script"};

std::optional<TgaImage> loadPicture(const std::string& path)
{
    TgaImage picture;
    if (!picture.load(path))
        return std::nullopt;
    return picture;
}

} // namespace

OptionCommands::OptionCommands(EditorWindow& window)
    : window_(window)
{
    for (const ToggleOption& row : kToggleOptions)
        window_.Bind(wxEVT_MENU, &OptionCommands::OnToggle, this, menuItemFor(row.option));
    window_.Bind(wxEVT_MENU, &OptionCommands::OnCheckString, this, ids::MenuCheckString);
    window_.Bind(wxEVT_MENU, &OptionCommands::OnGamePath, this, ids::MenuGamePath);
    window_.Bind(wxEVT_MENU, &OptionCommands::OnSetLanguage, this, ids::MenuLanguage);
    window_.Bind(wxEVT_MENU, &OptionCommands::OnSetBackground, this, ids::MenuSetBackground);
    for (const Game game : kGames)
        window_.Bind(wxEVT_MENU, &OptionCommands::OnGame, this, menuItemFor(game));
}

void OptionCommands::OnToggle(wxCommandEvent& event)
{
    const std::optional<Toggle> option = toggleForMenuItem(event.GetId());
    if (!option)
        return;
    const bool on = window_.settings().toggle(*option, window_.store());
    window_.menus().Check(event.GetId(), on);
    switch (toggleOption(*option).effect) {
    case ToggleEffect::SwitchFont:
        // Switched on, a sheet that cannot be used says why; the editor's own one stays.
        if (on && !window_.fonts().gameSheetUsable())
            platform::showMessage(&window_, platform::fromLatin1(window_.language().lookup("MESSAGE_GAMEFONTUNUSABLE")) +
                                                "\n" + platform::fromFileSystem(window_.fonts().problem()));
        applyFont();
        [[fallthrough]];
    case ToggleEffect::Repaint: window_.requestRepaint(); break;
    case ToggleEffect::Nothing: break;
    }
}

void OptionCommands::OnCheckString(wxCommandEvent&)
{
    window_.checkName(true);
}

void OptionCommands::OnGamePath(wxCommandEvent&)
{
    if (askGamePath(window_.settings().q3Path)) {
        findGameFont();
        applyGame();
    }
}

void OptionCommands::askGamePathAtStart()
{
    if (!window_.settings().q3Path.empty())
        return;
    // The usual game folder stands in for the missing path for this run only.
    const std::string gameFolder = platform::userGameFolder();
    if (!askGamePath(gameFolder))
        window_.settings().q3Path = gameFolder;
}

bool OptionCommands::askGamePath(const std::string& initialPath)
{
    // After a confirmed new language every further question counts as cancelled.
    if (window_.ending())
        return false;
    GamePathDialog dialog(&window_, window_.settings().Language, initialPath);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    window_.settings().q3Path = dialog.path();
    window_.store().writeText(settings_key::q3Path, dialog.path());
    return true;
}

void OptionCommands::OnSetLanguage(wxCommandEvent&)
{
    chooseLanguage();
}

std::optional<std::string> OptionCommands::pickLanguage()
{
    platform::FileDialogRequest request = kLanguageRequest;
    // The shipped language files lie beside the default one, wherever the editor started.
    request.folder = std::filesystem::path(findDataFile(kDefaultLanguageFile)).parent_path().string();
    const std::optional<std::string> chosen = platform::chooseFileToOpen(&window_, request);
    if (!chosen)
        return std::nullopt;
    return languageSettingFor(*chosen, platform::startFolder());
}

void OptionCommands::chooseLanguage()
{
    const std::optional<std::string> language = pickLanguage();
    if (!language || !window_.askLanguageQuestion("MESSAGE_MUSTREINITAPP"))
        return;
    // A language that could not be stored (the store has said why) would not be used at
    // the next start either, so the editor goes on.
    if (!window_.store().writeText(settings_key::Language, *language))
        return;
    window_.settings().Language = *language;
    window_.endEditor();
}

void OptionCommands::chooseFirstLanguage()
{
    // Even when it cannot be stored, the chosen language serves this run.
    if (const std::optional<std::string> language = pickLanguage()) {
        window_.store().writeText(settings_key::Language, *language);
        window_.settings().Language = *language;
    }
}

void OptionCommands::storeBackground(const std::string& path)
{
    window_.settings().BackGrndImage = path;
    window_.store().writeText(settings_key::BackGrndImage, path);
}

void OptionCommands::OnSetBackground(wxCommandEvent&)
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(&window_, kBackgroundRequest);
    if (!chosen)
        return;
    // A picture that cannot be loaded is refused; the editor keeps the one it has and
    // the name being edited.
    const std::optional<TgaImage> picture = loadPicture(*chosen);
    if (!picture) {
        window_.showLanguageMessage("MESSAGE_INVALIDBKGRND");
        return;
    }
    storeBackground(*chosen);
    window_.showBackground(*picture);
}

void OptionCommands::chooseBackgroundAtStart()
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(&window_, kBackgroundRequest);
    if (!chosen)
        return;
    // Only a picture that loads is kept, so that the next start does not meet it again.
    if (!loadPicture(*chosen)) {
        window_.showLanguageMessage("MESSAGE_INVALIDBKGRND");
        window_.endEditor();
        return;
    }
    storeBackground(*chosen);
}

void OptionCommands::findGameFont()
{
    FontSheets& fonts = window_.fonts();
    fonts.findGameSheet(window_.settings().q3Path);
    wxMenuItem* item = window_.menus().FindItem(menuItemFor(Toggle::UseGameFont));
    item->Enable(fonts.gameSheetFound());
    platform::setMenuItemTooltip(*item, fonts.gameSheetFound()
                                            ? wxString()
                                            : platform::fromLatin1(window_.language().lookup("MESSAGE_NOGAMEFONT")) +
                                                  "\n" + platform::fromFileSystem(fonts.problem()));
    applyFont();
}

void OptionCommands::OnGame(wxCommandEvent& event)
{
    const std::optional<Game> game = gameForMenuItem(event.GetId());
    if (!game)
        return;
    // The choice holds for this run even when the store cannot keep it (it has said why).
    window_.settings().Game = gameProfile(*game).key;
    window_.store().writeText(settings_key::Game, window_.settings().Game);
    applyGame();
}

void OptionCommands::applyGame()
{
    const AppSettings& settings = window_.settings();
    const Game game = gameForKey(settings.Game).value_or(gameOfFolder(settings.q3Path, pk3FileNames(settings.q3Path)));
    window_.setGame(game);
    window_.menus().Check(menuItemFor(game), true);
}

void OptionCommands::applyFont()
{
    const TgaImage& sheet = window_.fontSheet();
    window_.palette().setGlyphs(sheet);
    if (window_.previewCanvas()->sceneStarted())
        window_.previewCanvas()->setFont(sheet);
}

} // namespace glimtags
