#pragma once

#include <wx/dialog.h>

#include <cstddef>
#include <string>

class wxButton;
class wxGenericDirCtrl;
class wxTextCtrl;

namespace glimtags {

// Chooses a folder from a tree of folders, or takes one typed into its path field;
// the path field's text is the result, accepted on OK only when the path validation passes.
class FolderBrowser : public wxDialog {
public:
    static constexpr int kPathFieldId = 14148;
    static constexpr std::size_t kMaxResultLength = 259;

    // An empty caption keeps the usual title; an empty initial folder selects the
    // working directory. Caption and prompt are language texts, the folder file-system bytes.
    FolderBrowser(wxWindow* owner, const std::string& caption, const std::string& prompt,
                  const std::string& initialFolder, const std::string& languageFile);

    // wxID_OK only when OK passed the validation.
    int ShowModal() override;

    std::string result() const;
    bool confirmed() const { return confirmed_; }
    wxGenericDirCtrl& folderTree() { return *folderTree_; }

private:
    void selectFolder(const std::string& folder);
    void showSelectedPath();
    void takeFieldText();

    void OnOK(wxCommandEvent& event);

    std::string languageFile_;
    wxString result_;
    bool confirmed_ = false;

    wxTextCtrl* pathField_ = nullptr;
    wxGenericDirCtrl* folderTree_ = nullptr;
    wxButton* ok_ = nullptr;
};

} // namespace glimtags
