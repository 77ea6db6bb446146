#pragma once

#include <wx/dialog.h>

#include <string>

class wxButton;
class wxStaticText;
class wxTextCtrl;

namespace glimtags {

// Asks for the game's folder: a path field with a Browse button, accepted on OK only
// when the path validation passes.
class GamePathDialog : public wxDialog {
public:
    static constexpr int kPromptId = 1046;
    static constexpr int kPathFieldId = 1042;
    static constexpr int kBrowseId = 1043;

    // The path is file-system bytes; the texts come from the language file.
    GamePathDialog(wxWindow* parent, const std::string& languageFile, const std::string& initialPath);

    // The initial path, or after OK the validated text of the path field.
    const std::string& path() const { return path_; }

private:
    void localise();
    void layOut();

    void OnBrowse(wxCommandEvent& event);
    void OnOK(wxCommandEvent& event);

    std::string languageFile_;
    std::string path_;
    std::string browserCaption_;
    std::string browserPrompt_;

    wxStaticText* prompt_ = nullptr;
    wxTextCtrl* pathField_ = nullptr;
    wxButton* browse_ = nullptr;
    wxButton* ok_ = nullptr;
    wxButton* cancel_ = nullptr;
};

} // namespace glimtags
