#pragma once

#include <wx/event.h>

#include <optional>
#include <string>

namespace glimtags {

class EditorWindow;

// The Options menu: the toggles, Check String, the game, the game path, the language
// and the background picture; the last three also run at start-up.
class OptionCommands : public wxEvtHandler {
public:
    explicit OptionCommands(EditorWindow& window);

    // Set Language; a confirmed and stored language ends the editor.
    void chooseLanguage();
    // A new user's language, stored and used at once.
    void chooseFirstLanguage();
    // With no game path stored: the game path dialog, the usual game folder for this run
    // when it is cancelled.
    void askGamePathAtStart();
    // The stored background does not load: another one, or the editor ends.
    void chooseBackgroundAtStart();
    // Looks for the game's font sheet in the game folder's data, and offers the option
    // only when one is found (its tooltip says why not).
    void findGameFont();
    // Draws the preview and the palette with the sheet the options ask for.
    void applyFont();
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

    bool askGamePath(const std::string& initialPath);
    // The chosen language file in the form the next start can open it by.
    std::optional<std::string> pickLanguage();
    void storeBackground(const std::string& path);

    EditorWindow& window_;
};

} // namespace glimtags
