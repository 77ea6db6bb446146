#include "dialogs/game_path_dialog.h"

#include "core/folder_path.h"
#include "core/language_table.h"
#include "dialogs/folder_browser.h"
#include "platform/folder_path_messages.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace glimtags {
namespace {

// Dialog units of 6 x 13 pixels.
int unitsX(int x) { return x * 3 / 2; }
int unitsY(int y) { return y * 13 / 8; }

// GTK's controls need more room than the units give them.
wxSize atLeastBest(const wxWindow* control, wxSize size)
{
    size.IncTo(control->GetBestSize());
    return size;
}

} // namespace

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

// Client 248 x 63 units: the prompt across the top, the field with Browse beside it,
// OK and Cancel below; a row that GTK makes taller pushes the rows under it down, and
// wider controls widen the dialog.
void GamePathDialog::layOut()
{
    const int margin = unitsX(4);
    const wxSize promptSize = atLeastBest(prompt_, wxSize(unitsX(240), unitsY(12)));

    const int fieldTop = unitsY(4) + promptSize.y + unitsY(4);
    const wxSize browseSize = atLeastBest(browse_, wxSize(unitsX(50), unitsY(14)));
    const int fieldHeight = std::max({unitsY(14), pathField_->GetBestSize().y, browseSize.y});
    pathField_->SetSize(margin, fieldTop, unitsX(176), fieldHeight);
    browse_->SetSize(unitsX(184), fieldTop, browseSize.x, fieldHeight);

    const int buttonTop = fieldTop + fieldHeight + unitsY(10);
    const wxSize buttonSize = atLeastBest(cancel_, atLeastBest(ok_, wxSize(unitsX(50), unitsY(14))));
    ok_->SetSize(unitsX(67), buttonTop, buttonSize.x, buttonSize.y);
    cancel_->SetSize(std::max(unitsX(123), ok_->GetRect().GetRight() + 1 + unitsX(6)), buttonTop, buttonSize.x,
                     buttonSize.y);

    const int width = std::max({unitsX(248), margin + promptSize.x + margin, browse_->GetRect().GetRight() + 1 + margin,
                                cancel_->GetRect().GetRight() + 1 + margin});
    // The prompt spans the dialog so that its centred text stays centred.
    prompt_->SetSize(margin, unitsY(4), width - 2 * margin, promptSize.y);
    SetClientSize(width, buttonTop + buttonSize.y + unitsY(5));
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
    if (ConfirmFolderPath(typed, host, LanguageTable(languageFile_)) != kFolderPathAccepted)
        return;
    path_ = typed;
    EndDialog(wxID_OK);
}

} // namespace glimtags
