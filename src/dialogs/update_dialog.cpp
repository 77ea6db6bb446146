#include "dialogs/update_dialog.h"

#include "core/app_settings.h"
#include "core/language_table.h"
#include "core/message_format.h"
#include "core/update_info.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <utility>

namespace glimtags {

UpdateDialog::UpdateDialog(wxWindow* parent, const std::string& languageFile, UpdateSource source)
    : wxDialog(parent, wxID_ANY, "Glimtags Update", wxDefaultPosition, wxDefaultSize, wxCAPTION)
    , languageFile_(languageFile)
    , source_(std::move(source))
    , timer_(this, kTimerId)
{
    status_ = new wxStaticText(this, kStatusId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                               wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    button_ = new wxButton(this, kButtonId, "&Close");
    // The box's original width in dialog units, with room for two lines: the outcomes wrap.
    const wxSize margin = ConvertDialogToPixels(wxSize(4, 4));
    status_->SetMinSize(wxSize(ConvertDialogToPixels(wxSize(176, 0)).x, 2 * status_->GetCharHeight()));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(status_, wxSizerFlags().Expand().Border(wxALL, margin.x));
    column->Add(button_, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, margin.x));
    SetSizerAndFit(column);
    CentreOnParent();

    Bind(wxEVT_INIT_DIALOG, &UpdateDialog::OnInitDialog, this);
    Bind(wxEVT_TIMER, &UpdateDialog::OnTimer, this, kTimerId);
    Bind(wxEVT_BUTTON, &UpdateDialog::OnButton, this, kButtonId);
    Bind(wxEVT_CHAR_HOOK, &UpdateDialog::OnCharHook, this);
}

void UpdateDialog::OnInitDialog(wxInitDialogEvent& event)
{
    event.Skip();
    const LanguageTable language(languageFile_);
    SetTitle(platform::fromLatin1(language.lookup("UPDATEDLG_CAPTION")));
    texts_ = {language.lookup("UPDATEDLG_NOCONNECTION"),     language.lookup("UPDATEDLG_CONNECTING"),
              language.lookup("UPDATEDLG_CONNECTED"),        language.lookup("UPDATEDLG_FOUNDNEWVERSION"),
              language.lookup("UPDATEDLG_NONEWVERSION"),     language.lookup("UPDATEDLG_NOUPDATEFILEFOUND"),
              language.lookup("UPDATEDLG_UNABLETOCONNECT"),  language.lookup("UPDATEDLG_UNKNOWNERROR"),
              language.lookup("UPDATEDLG_UPDATEBUTTON"),     language.lookup("UPDATEDLG_CLOSEBUTTON")};
    button_->Disable();
    // GTK hands keys only to a window with the focus: with the button disabled,
    // the dialog itself takes it, so that Enter and Escape work from the start.
    SetCanFocus(true);
    SetFocus();

    http_ = source_.open(kApplicationTitle, source_.timeouts);
    if (!http_) {
        platform::showMessage(this, platform::fromLatin1(texts_.noConnection));
        // The dialog opens before its modal loop runs; it can only end from inside it.
        CallAfter([this] { EndModal(wxID_CANCEL); });
        return;
    }
    timer_.StartOnce(kStartDelayMs);
}

void UpdateDialog::OnTimer(wxTimerEvent&)
{
    runCheck();
}

void UpdateDialog::OnButton(wxCommandEvent&)
{
    EndModal(wxID_OK);
}

void UpdateDialog::OnCharHook(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        EndModal(wxID_OK);
        break;
    case WXK_ESCAPE:
        EndModal(wxID_CANCEL);
        break;
    default:
        event.Skip();
    }
}

void UpdateDialog::EndModal(int returnCode)
{
    timer_.Stop();
    http_ = nullptr;
    wxDialog::EndModal(returnCode);
}

void UpdateDialog::runCheck()
{
    checkStarted_ = true;
    setStatus(texts_.connecting);
    const OutcomeOf<std::string> response = http_(source_.address);
    if (!response) {
        setButtonCaption(texts_.closeButton);
        button_->Enable();
        if (platform::HttpClient::describeError(response.code)) {
            setStatus(texts_.unableToConnect);
            return;
        }
        platform::showMessage(this, platform::fromLatin1(texts_.unknownError));
        EndModal(wxID_CANCEL);
        return;
    }
    setStatus(texts_.connected);
    button_->Enable();
    // The body is examined as text, which ends at a zero byte.
    showOutcome(response.value.c_str());
}

void UpdateDialog::showOutcome(std::string_view body)
{
    const std::optional<UpdateInfo> info = parseUpdateInfo(body);
    if (!info) {
        setStatus(texts_.noUpdateFileFound);
        setButtonCaption(texts_.closeButton);
        return;
    }
    newVersionFound_ = isNewerVersion(info->highVersion, info->lowVersion);
    if (newVersionFound_) {
        setStatus(formatMessage(texts_.foundNewVersion, {info->highVersion, info->lowVersion}, kMaxStatusLength));
        setButtonCaption(texts_.updateButton);
    } else {
        setStatus(formatMessage(texts_.noNewVersion, {}, kMaxStatusLength));
        setButtonCaption(texts_.closeButton);
    }
}

void UpdateDialog::setStatus(const std::string& text)
{
    status_->SetLabelText(platform::fromLatin1(text));
    // Drawn now: the request that may follow keeps the event loop from running.
    status_->Update();
}

void UpdateDialog::setButtonCaption(const std::string& caption)
{
    button_->SetLabel(platform::fromLatin1(caption));
    // A longer caption widens the button about its centre.
    Layout();
}

} // namespace glimtags
