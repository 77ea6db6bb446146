#pragma once

#include <wx/event.h>

class wxFrame;

namespace glimtags {

class FontSheets;
class NameDrawing;
class OptionEffects;
class SettingsStore;
class UserTalk;
struct AppSettings;

// The Options menu: the toggles, Check String, the game, the game path, the language
// and the background picture.
class OptionCommands : public wxEvtHandler {
public:
    // The commands run from the frame's menus; their dialogs open over it.
    OptionCommands(wxFrame& frame, UserTalk& talk, AppSettings& settings, SettingsStore& store, FontSheets& fonts,
                   NameDrawing& drawing, OptionEffects& effects);

    // Looks for the game's font sheet in the game folder's data, and offers the option
    // only when one is found (its tooltip says why not).
    void findGameFont();
    // Speaks of the game chosen in Options > Game, else of the game folder's game, and
    // marks it in the submenu.
    void applyGame();

private:
    void OnToggle(wxCommandEvent& event);
    void OnCheckString(wxCommandEvent& event);
    void OnGamePath(wxCommandEvent& event);
    void OnSetLanguage(wxCommandEvent& event);
    void OnSetBackground(wxCommandEvent& event);
    void OnGame(wxCommandEvent& event);

    wxFrame& frame_;
    UserTalk& talk_;
    AppSettings& settings_;
    SettingsStore& store_;
    FontSheets& fonts_;
    NameDrawing& drawing_;
    OptionEffects& effects_;
};

} // namespace glimtags
