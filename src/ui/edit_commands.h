#pragma once

#include <wx/event.h>

namespace glimtags {

class EditorWindow;

// The Edit menu and the Undo and Redo buttons: the name's history, the clipboard with
// the name's own bytes, the console command, the picture of the name, and the colour effects.
class EditCommands : public wxEvtHandler {
public:
    explicit EditCommands(EditorWindow& window);

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

    EditorWindow& window_;
};

} // namespace glimtags
