#pragma once

#include "core/name_script.h"

#include <wx/event.h>

class wxFrame;

#include <memory>
#include <string>

namespace glimtags {

class NameBox;
class NameDrawing;
class RecentFiles;
class SettingsStore;
class UserTalk;
struct AppSettings;

// The File menu and its toolbar twins: New, Open, the two saves, the merge into the
// game configuration, the picture of the name and Exit (also the window manager's close). The file work
// itself is the platform's; here are the dialogs and the messages.
class FileCommands : public wxEvtHandler {
public:
    // The commands run from the frame's menus and close box; their dialogs open over it.
    FileCommands(wxFrame& frame, UserTalk& talk, NameBox& box, const AppSettings& settings, SettingsStore& store,
                 NameDrawing& drawing);
    ~FileCommands() override;

    // Reads a script file into the name box as Open does; false, after a message, when
    // the file cannot be read. A file of another extension is left alone.
    bool openScript(const std::string& path);

private:
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSaveAsUser(wxCommandEvent& event);
    void OnSaveAsHost(wxCommandEvent& event);
    void OnMerge(wxCommandEvent& event);
    void OnExportPicture(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnRecentFile(wxCommandEvent& event);

    void saveScript(NameType type);
    // The message of a command that failed; the status bar no longer tells an earlier success.
    void reportFailure(const wxString& message);
    // The Exit question; true when the editor may end.
    bool mayEnd();

    wxFrame& frame_;
    UserTalk& talk_;
    NameBox& box_;
    const AppSettings& settings_;
    NameDrawing& drawing_;
    std::unique_ptr<RecentFiles> recentFiles_;
    // Where the last picture went in this run; the next export starts there.
    std::string pictureFolder_;
};

} // namespace glimtags
