#include "dialogs/game_path_dialog.h"

#include "core/folder_path.h"
#include "core/language_table.h"
#include "dialogs/folder_browser.h"
#include "platform/folder_path_messages.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace glimtags {

GamePathDialog::GamePathDialog(wxWindow* parent, const std::string& languageFile, const std::string& initialPath)
    : wxDialog(parent, wxID_ANY, "Quake III Arena Baseq3 path.")
    , languageFile_(languageFile)
    , path_(initialPath)
{
    prompt_ = new wxStaticText(this, kPromptId, "Enter your Quake III Arena Baseq3 path here, please.",
                               wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    pathField_ = new wxTextCtrl(this, kPathFieldId, platform::fromFileSystem(initialPath), wxDefaultPosition,
                                wxDefaultSize, wxTE_CENTRE);
    browse_ = new wxButton(this, kBrowseId, "&Browse...");
    ok_ = new wxButton(this, wxID_OK, "OK");
    cancel_ = new wxButton(this, wxID_CANCEL, "Cancel");
    ok_->SetDefault();

    localise();
    layOut();
    CentreOnParent();

    Bind(wxEVT_BUTTON, &GamePathDialog::OnBrowse, this, kBrowseId);
    Bind(wxEVT_BUTTON, &GamePathDialog::OnOK, this, wxID_OK);
}

void GamePathDialog::localise()
{
    const LanguageTable language(languageFile_);
    SetTitle(platform::fromLatin1(language.lookup("Q3PATHDLG_CAPTION")));
    prompt_->SetLabel(platform::fromLatin1(language.lookup("Q3PATHDLG_STATIC")));
    ok_->SetLabel(platform::fromLatin1(language.lookup("Q3PATHDLG_BUTTONOK")));
    cancel_->SetLabel(platform::fromLatin1(language.lookup("Q3PATHDLG_BUTTONCANCEL")));
    browse_->SetLabel(platform::fromLatin1(language.lookup("Q3PATHDLG_BUTTONBROWSE")));
    browserCaption_ = language.lookup("PATHDLG_CAPTION");
    browserPrompt_ = language.lookup("PATHDLG_STATIC");
}

// The prompt across the top, the field with Browse beside it, OK and Cancel below, in
// the widths and gaps of the dialog's original layout in dialog units; a control that
// needs more room gets it.
void GamePathDialog::layOut()
{
    const int gap = ConvertDialogToPixels(wxSize(4, 4)).x;
    const int buttonWidth = ConvertDialogToPixels(wxSize(50, 14)).x;
    for (wxButton* button : {browse_, ok_, cancel_})
        button->SetMinSize(wxSize(std::max(buttonWidth, button->GetBestSize().x), -1));
    pathField_->SetMinSize(wxSize(ConvertDialogToPixels(wxSize(176, 0)).x, -1));

    auto* fieldRow = new wxBoxSizer(wxHORIZONTAL);
    fieldRow->Add(pathField_, wxSizerFlags(1).Centre());
    fieldRow->Add(browse_, wxSizerFlags().Border(wxLEFT, 2 * gap));
    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->Add(ok_);
    buttonRow->Add(cancel_, wxSizerFlags().Border(wxLEFT, ConvertDialogToPixels(wxSize(6, 0)).x));

    auto* column = new wxBoxSizer(wxVERTICAL);
    // The prompt spans the dialog so that its centred text stays centred.
    column->Add(prompt_, wxSizerFlags().Expand().Border(wxALL, gap));
    column->Add(fieldRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, gap));
    column->Add(buttonRow, wxSizerFlags().Centre().Border(wxTOP | wxBOTTOM, 2 * gap));
    SetSizerAndFit(column);
}

void GamePathDialog::OnBrowse(wxCommandEvent&)
{
    // The browser always starts at the usual game folder, not at the typed text.
    FolderBrowser browser(this, browserCaption_, browserPrompt_, platform::userGameFolder(), languageFile_);
    if (browser.ShowModal() == wxID_OK)
        pathField_->SetValue(platform::fromFileSystem(browser.result()));
}

void GamePathDialog::OnOK(wxCommandEvent&)
{
    const std::string typed = platform::toFileSystem(pathField_->GetValue());
    platform::MessageBoxFolderPathHost host(this, typed);
    if (!ConfirmFolderPath(typed, host, LanguageTable(languageFile_)))
        return;
    path_ = typed;
    EndDialog(wxID_OK);
}

} // namespace glimtags
