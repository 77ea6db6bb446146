#include "ui/picture_button.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace glimtags {

PictureButton::PictureButton(wxWindow* parent, int id, const wxPoint& position, const wxSize& size,
                             const wxBitmap& picture)
    : ClickableBox(parent, id, position, size, wxBORDER_NONE)
    , picture_(picture)
{
    Bind(wxEVT_PAINT, &PictureButton::OnPaint, this);
    Bind(wxEVT_ENTER_WINDOW, &PictureButton::OnHover, this);
    Bind(wxEVT_LEAVE_WINDOW, &PictureButton::OnHover, this);
}

void PictureButton::setPicture(const wxBitmap& picture)
{
    picture_ = picture;
    Refresh();
}

void PictureButton::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxRect area = GetClientRect();
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(hovering_ ? wxSYS_COLOUR_BTNHIGHLIGHT : wxSYS_COLOUR_BTNFACE)));
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.DrawRectangle(area);
    // Without a usable font sheet there is no picture to show.
    if (picture_.IsOk())
        dc.DrawBitmap(picture_, (area.width - picture_.GetWidth()) / 2, (area.height - picture_.GetHeight()) / 2,
                      true);
}

void PictureButton::OnHover(wxMouseEvent& event)
{
    hovering_ = event.Entering();
    Refresh();
    event.Skip();
}

} // namespace glimtags
