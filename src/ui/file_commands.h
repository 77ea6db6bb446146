#pragma once

#include "core/name_script.h"

#include <wx/event.h>

namespace glimtags {

class EditorWindow;

// The File menu and its toolbar twins: New, Open, the two saves, the merge into the
// game configuration and Exit (also the window manager's close). The file work
// itself is the platform's; here are the dialogs and the messages.
class FileCommands : public wxEvtHandler {
public:
    explicit FileCommands(EditorWindow& window);

private:
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSaveAsUser(wxCommandEvent& event);
    void OnSaveAsHost(wxCommandEvent& event);
    void OnMerge(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);

    void saveScript(NameType type);
    // Shows why a name that holds a double quote is not written; true when it holds one.
    bool refuseQuotedName();
    // The Exit question; true when the editor may end.
    bool mayEnd();

    EditorWindow& window_;
};

} // namespace glimtags
