#include "dialogs/about_dialog.h"

#include "core/version.h"
#include "core/web_addresses.h"
#include "dialogs/hyperlink_control.h"
#include "embedded_resources.h"
#include "platform/embedded_picture.h"
#include "platform/text_encoding.h"

#include <wx/button.h>
#include <wx/cursor.h>
#include <wx/sizer.h>
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

AboutDialog::AboutDialog(wxWindow* parent, const std::string& credit, const platform::Desktop& desktop)
    : wxDialog(parent, wxID_ANY, "ABouT Glimtags")
{
    // The rows keep the spacing of the box's original layout in dialog units.
    const int gap = ConvertDialogToPixels(wxSize(4, 4)).y;
    const wxSizerFlags centred = wxSizerFlags().Centre().Border(wxTOP, gap);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticBitmap(this, wxID_ANY, platform::embeddedPicture(embedded::logo_png), wxDefaultPosition,
                                   wxDefaultSize, wxBORDER_SUNKEN),
                wxSizerFlags().Centre());
    column->Add(new wxStaticText(this, wxID_ANY, "Quorvant Glimtags v" GLIMTAGS_VERSION), centred);
    column->Add(new wxStaticText(this, wxID_ANY, "DeSiGNeD by Quorvant"), centred);
    column->Add(new wxStaticText(this, wxID_ANY, "ProGRaMMeD by the Glimtags team"), centred);

    link_ = new HyperlinkControl(this, kLinkId, "Quorvant TEAM HoMe PaGe", kMakerHomePage, desktop, handCursor());
    wxFont plain = link_->GetFont();
    plain.SetUnderlined(false);
    link_->SetFont(plain);
    column->Add(link_, centred);

    auto* creditText = new wxStaticText(this, kCreditId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                        wxALIGN_CENTRE_HORIZONTAL);
    creditText->SetLabelText(platform::fromLatin1(credit));
    column->Add(creditText, wxSizerFlags().Expand().Border(wxTOP, 2 * gap));

    const wxBitmap icon = platform::embeddedPicture(embedded::glimtags_32_png);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(new wxStaticBitmap(this, wxID_ANY, icon), wxSizerFlags().Border(wxLEFT, 2 * gap));
    bottom->AddStretchSpacer();
    bottom->Add(ok, wxSizerFlags().Bottom().Border(wxTOP, 2 * gap));
    bottom->AddStretchSpacer();
    bottom->Add(new wxStaticBitmap(this, wxID_ANY, icon), wxSizerFlags().Border(wxRIGHT, 2 * gap));
    column->Add(bottom, wxSizerFlags().Expand().Border(wxTOP, 2 * gap));

    auto* margins = new wxBoxSizer(wxVERTICAL);
    margins->Add(column, wxSizerFlags(1).Expand().Border(wxALL, gap));
    SetSizerAndFit(margins);
    CentreOnParent();
}

} // namespace glimtags
