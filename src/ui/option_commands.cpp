#include "ui/option_commands.h"

#include "core/app_settings.h"
#include "core/game_folder.h"
#include "core/game_profile.h"
#include "platform/menu_tooltip.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"
#include "ui/editor_services.h"
#include "ui/font_sheets.h"
#include "ui/menu_bar.h"
#include "ui/settings_questions.h"

#include <wx/frame.h>
#include <wx/menu.h>

namespace glimtags {

OptionCommands::OptionCommands(wxFrame& frame, UserTalk& talk, AppSettings& settings, SettingsStore& store,
                               FontSheets& fonts, NameDrawing& drawing, OptionEffects& effects)
    : frame_(frame)
    , talk_(talk)
    , settings_(settings)
    , store_(store)
    , fonts_(fonts)
    , drawing_(drawing)
    , effects_(effects)
{
    for (const ToggleOption& row : kToggleOptions)
        frame_.Bind(wxEVT_MENU, &OptionCommands::OnToggle, this, menuItemFor(row.option));
    frame_.Bind(wxEVT_MENU, &OptionCommands::OnCheckString, this, ids::MenuCheckString);
    frame_.Bind(wxEVT_MENU, &OptionCommands::OnGamePath, this, ids::MenuGamePath);
    frame_.Bind(wxEVT_MENU, &OptionCommands::OnSetLanguage, this, ids::MenuLanguage);
    frame_.Bind(wxEVT_MENU, &OptionCommands::OnSetBackground, this, ids::MenuSetBackground);
    for (const Game game : kGames)
        frame_.Bind(wxEVT_MENU, &OptionCommands::OnGame, this, menuItemFor(game));
}

void OptionCommands::OnToggle(wxCommandEvent& event)
{
    const std::optional<Toggle> option = toggleForMenuItem(event.GetId());
    if (!option)
        return;
    const bool on = settings_.toggle(*option, store_);
    frame_.GetMenuBar()->Check(event.GetId(), on);
    switch (toggleOption(*option).effect) {
    case ToggleEffect::SwitchFont:
        // Switched on, a sheet that cannot be used says why; the editor's own one stays.
        if (on && !fonts_.gameSheetUsable())
            platform::showMessage(&frame_, platform::fromLatin1(talk_.language().lookup("MESSAGE_GAMEFONTUNUSABLE")) +
                                               "\n" + platform::fromFileSystem(fonts_.problem()));
        effects_.applyFont();
        [[fallthrough]];
    case ToggleEffect::Repaint: drawing_.requestRepaint(); break;
    case ToggleEffect::Nothing: break;
    }
}

void OptionCommands::OnCheckString(wxCommandEvent&)
{
    effects_.checkName(true);
}

void OptionCommands::OnGamePath(wxCommandEvent&)
{
    if (askGamePath(&frame_, settings_, store_, settings_.q3Path)) {
        findGameFont();
        applyGame();
    }
}

void OptionCommands::OnSetLanguage(wxCommandEvent&)
{
    const std::optional<std::string> language = pickLanguageFile(&frame_);
    if (!language || !talk_.ask("MESSAGE_MUSTREINITAPP"))
        return;
    // A language that could not be stored (the store has said why) would not be used at
    // the next start either, so the editor goes on.
    if (!store_.writeText(settings_key::Language, *language))
        return;
    frame_.Destroy();
}

void OptionCommands::OnSetBackground(wxCommandEvent&)
{
    const std::optional<std::string> chosen = pickBackgroundFile(&frame_);
    if (!chosen)
        return;
    // A picture that cannot be loaded is refused; the editor keeps the one it has and
    // the name being edited.
    const std::optional<TgaImage> picture = loadPicture(*chosen);
    if (!picture) {
        talk_.tell("MESSAGE_INVALIDBKGRND");
        return;
    }
    storeBackground(settings_, store_, *chosen);
    effects_.showBackground(*picture);
}

void OptionCommands::findGameFont()
{
    fonts_.findGameSheet(settings_.q3Path);
    wxMenuItem* item = frame_.GetMenuBar()->FindItem(menuItemFor(Toggle::UseGameFont));
    item->Enable(fonts_.gameSheetFound());
    platform::setMenuItemTooltip(*item, fonts_.gameSheetFound()
                                            ? wxString()
                                            : platform::fromLatin1(talk_.language().lookup("MESSAGE_NOGAMEFONT")) +
                                                  "\n" + platform::fromFileSystem(fonts_.problem()));
    effects_.applyFont();
}

void OptionCommands::OnGame(wxCommandEvent& event)
{
    const std::optional<Game> game = gameForMenuItem(event.GetId());
    if (!game)
        return;
    // The choice holds for this run even when the store cannot keep it (it has said why).
    settings_.Game = gameProfile(*game).key;
    store_.writeText(settings_key::Game, settings_.Game);
    applyGame();
}

void OptionCommands::applyGame()
{
    const Game game = gameForKey(settings_.Game).value_or(gameOfFolder(settings_.q3Path, pk3FileNames(settings_.q3Path)));
    effects_.setGame(game);
    frame_.GetMenuBar()->Check(menuItemFor(game), true);
}

} // namespace glimtags
