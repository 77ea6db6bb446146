#include "platform/message_box.h"

#include "core/app_settings.h"

#include <wx/msgdlg.h>

namespace glimtags::platform {
namespace {

long iconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning: return wxICON_WARNING;
    case MessageIcon::Information: return wxICON_INFORMATION;
    case MessageIcon::Question: return wxICON_QUESTION;
    }
    return wxICON_WARNING;
}

} // namespace

void showMessage(wxWindow* parent, const wxString& text, MessageIcon icon)
{
    wxMessageDialog dialog(parent, text, kApplicationTitle, wxOK | iconStyle(icon));
    dialog.ShowModal();
}

bool askYesNo(wxWindow* parent, const wxString& text, MessageIcon icon)
{
    wxMessageDialog dialog(parent, text, kApplicationTitle, wxYES_NO | wxNO_DEFAULT | iconStyle(icon));
    return dialog.ShowModal() == wxID_YES;
}

} // namespace glimtags::platform
