#pragma once

#include "core/game_profile.h"

#include <wx/event.h>

class wxFrame;

namespace glimtags {

class NameBox;
class NameDrawing;
class UserTalk;
struct AppSettings;

// The Edit menu and the Undo and Redo buttons: the name's history, the clipboard with
// the name's own bytes, the console command, the picture of the name, and the colour effects.
class EditCommands : public wxEvtHandler {
public:
    // The commands run from the frame's menus and keys. game: the one whose rules the
    // editor speaks of, as it changes.
    EditCommands(wxFrame& frame, UserTalk& talk, NameBox& box, const AppSettings& settings, NameDrawing& drawing,
                 const Game& game);

private:
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnCut(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnPaste(wxCommandEvent& event);
    void OnSelectAll(wxCommandEvent& event);
    void OnCopyCommand(wxCommandEvent& event);
    void OnCopyPicture(wxCommandEvent& event);
    void OnRemoveCodes(wxCommandEvent& event);
    void OnRainbow(wxCommandEvent& event);
    void OnRemoveNeedlessCodes(wxCommandEvent& event);
    void OnServerVersion(wxCommandEvent& event);

    wxFrame& frame_;
    UserTalk& talk_;
    NameBox& box_;
    const AppSettings& settings_;
    NameDrawing& drawing_;
    const Game& game_;
};

} // namespace glimtags
