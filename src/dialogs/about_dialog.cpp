#include "dialogs/about_dialog.h"

#include "core/version.h"
#include "core/web_addresses.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/hyperlink_control.h"
#include "embedded_resources.h"
#include "platform/embedded_picture.h"
#include "platform/text_encoding.h"

#include <wx/button.h>
#include <wx/cursor.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace glimtags {
namespace {

// The editor's own pointer: a hand pointing to the left, its tip the hot spot.
wxCursor handCursor()
{
    wxImage image = platform::embeddedPicture(embedded::hand_png).ConvertToImage();
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 1);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 11);
    return wxCursor(image);
}

} // namespace

std::string languageCredit(const std::string& creator)
{
    return "Language script by " + (creator.empty() ? std::string("Unknown") : creator);
}

AboutDialog::AboutDialog(wxWindow* parent, const std::string& credit)
    : wxDialog(parent, wxID_ANY, "ABouT Glimtags")
{
    DialogLayout layout;
    layout.place(new wxStaticBitmap(this, wxID_ANY, platform::embeddedPicture(embedded::logo_png), wxDefaultPosition,
                                    wxDefaultSize, wxBORDER_SUNKEN),
                 5, 1, 168, 87);
    layout.place(new wxStaticText(this, wxID_ANY, "Quorvant Glimtags v" GLIMTAGS_VERSION), 39, 93, 93, 8);
    layout.place(new wxStaticText(this, wxID_ANY, "DeSiGNeD by Quorvant"), 51, 105, 72, 8);
    layout.place(new wxStaticText(this, wxID_ANY, "ProGRaMMeD by the Glimtags team"), 37, 117, 101, 8);

    link_ = new HyperlinkControl(this, kLinkId, "Quorvant TEAM HoMe PaGe", "", wxDefaultPosition, wxDefaultSize);
    layout.place(link_, 36, 129, 104, 8);
    link_->SetLinkAddress(kMakerHomePage);
    link_->SetUnderlined(false);
    link_->SetPointerCursor(handCursor());

    auto* creditText = new wxStaticText(this, kCreditId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                        wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    creditText->SetLabelText(platform::fromLatin1(credit));
    layout.place(creditText, 4, 144, 172, 8);

    const wxBitmap icon = platform::embeddedPicture(embedded::glimtags_32_png);
    layout.place(new wxStaticBitmap(this, wxID_ANY, icon), 16, 159, 22, 20);
    layout.place(new wxStaticBitmap(this, wxID_ANY, icon), 136, 159, 22, 20);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    layout.place(ok, 64, 167, 50, 14);

    SetClientSize(layout.clientSize(180, 186));
    CentreOnParent();
}

} // namespace glimtags
