#include "dialogs/folder_browser.h"

#include "core/folder_path.h"
#include "core/language_table.h"
#include "platform/folder_path_messages.h"
#include "platform/text_encoding.h"

#include <wx/button.h>
#include <wx/dirctrl.h>
#include <wx/filefn.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace glimtags {
namespace {

constexpr int kMargin = 10;
constexpr int kTreeWidth = 320;
constexpr int kTreeHeight = 260;
constexpr int kFieldHeight = 23;
constexpr int kFieldGap = 4;

} // namespace

FolderBrowser::FolderBrowser(wxWindow* owner, const std::string& caption, const std::string& prompt,
                             const std::string& initialFolder, const std::string& languageFile)
    : wxDialog(owner, wxID_ANY, "Browse for Folder", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
    , languageFile_(languageFile)
{
    if (!caption.empty())
        SetTitle(platform::fromLatin1(caption));

    auto* promptText = new wxStaticText(this, wxID_ANY, platform::fromLatin1(prompt));
    promptText->Wrap(kTreeWidth);
    pathField_ = new wxTextCtrl(this, kPathFieldId);
    pathField_->SetMaxLength(kMaxResultLength);
    pathField_->SetMinSize(wxSize(-1, std::max(kFieldHeight, pathField_->GetBestSize().y)));
    // Hidden folders are listed: the game keeps its folders in them.
    folderTree_ = new wxGenericDirCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                       wxSize(kTreeWidth, kTreeHeight), wxDIRCTRL_DIR_ONLY | wxDIRCTRL_3D_INTERNAL);
    folderTree_->ShowHidden(true);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(promptText, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kMargin);
    column->AddSpacer(kMargin);
    column->Add(pathField_, 0, wxEXPAND | wxLEFT | wxRIGHT, kMargin);
    column->AddSpacer(kFieldGap);
    column->Add(folderTree_, 1, wxEXPAND | wxLEFT | wxRIGHT, kMargin);
    column->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, kMargin);
    SetSizerAndFit(column);
    ok_ = static_cast<wxButton*>(FindWindow(wxID_OK));

    pathField_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { takeFieldText(); });
    folderTree_->Bind(wxEVT_DIRCTRL_SELECTIONCHANGED, [this](wxTreeEvent&) { showSelectedPath(); });
    Bind(wxEVT_BUTTON, &FolderBrowser::OnOK, this, wxID_OK);

    selectFolder(initialFolder.empty() ? platform::toFileSystem(wxGetCwd()) : initialFolder);
    CentreOnParent();
}

int FolderBrowser::ShowModal()
{
    confirmed_ = false;
    wxDialog::ShowModal();
    return confirmed_ ? wxID_OK : wxID_CANCEL;
}

std::string FolderBrowser::result() const { return platform::toFileSystem(result_); }

void FolderBrowser::selectFolder(const std::string& folder)
{
    folderTree_->SetPath(platform::fromFileSystem(folder));
    showSelectedPath();
}

// A selection without a folder gives no path, and so does one whose path does not fit
// into the field: a cut path could name another folder.
void FolderBrowser::showSelectedPath()
{
    wxString path = folderTree_->GetPath();
    if (path.length() > kMaxResultLength)
        path.clear();
    pathField_->ChangeValue(path);
    takeFieldText();
}

void FolderBrowser::takeFieldText()
{
    result_ = pathField_->GetValue();
    ok_->Enable(!result_.empty());
}

void FolderBrowser::OnOK(wxCommandEvent&)
{
    const std::string typed = result();
    platform::MessageBoxFolderPathHost host(this, typed);
    if (!ConfirmFolderPath(typed, host, LanguageTable(languageFile_))) {
        pathField_->SetFocus();
        return;
    }
    confirmed_ = true;
    EndDialog(wxID_OK);
}

} // namespace glimtags
