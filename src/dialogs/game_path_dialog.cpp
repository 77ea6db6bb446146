#include "dialogs/game_path_dialog.h"

#include "platform/dialog_units.h"

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

using platform::unitsAcross;
using platform::unitsDown;

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
    const int margin = unitsAcross(4);
    const wxSize promptSize = atLeastBest(prompt_, wxSize(unitsAcross(240), unitsDown(12)));

    const int fieldTop = unitsDown(4) + promptSize.y + unitsDown(4);
    const wxSize browseSize = atLeastBest(browse_, wxSize(unitsAcross(50), unitsDown(14)));
    const int fieldHeight = std::max({unitsDown(14), pathField_->GetBestSize().y, browseSize.y});
    pathField_->SetSize(margin, fieldTop, unitsAcross(176), fieldHeight);
    browse_->SetSize(unitsAcross(184), fieldTop, browseSize.x, fieldHeight);

    const int buttonTop = fieldTop + fieldHeight + unitsDown(10);
    const wxSize buttonSize = atLeastBest(cancel_, atLeastBest(ok_, wxSize(unitsAcross(50), unitsDown(14))));
    ok_->SetSize(unitsAcross(67), buttonTop, buttonSize.x, buttonSize.y);
    cancel_->SetSize(std::max(unitsAcross(123), ok_->GetRect().GetRight() + 1 + unitsAcross(6)), buttonTop, buttonSize.x,
                     buttonSize.y);

    const int width = std::max({unitsAcross(248), margin + promptSize.x + margin, browse_->GetRect().GetRight() + 1 + margin,
                                cancel_->GetRect().GetRight() + 1 + margin});
    // The prompt spans the dialog so that its centred text stays centred.
    prompt_->SetSize(margin, unitsDown(4), width - 2 * margin, promptSize.y);
    SetClientSize(width, buttonTop + buttonSize.y + unitsDown(5));
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
