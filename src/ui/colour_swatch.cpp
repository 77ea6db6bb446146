#include "ui/colour_swatch.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace glimtags {

ColourSwatch::ColourSwatch(wxWindow* parent, int id, const wxPoint& position, const wxSize& size)
    : ClickableBox(parent, id, position, size, wxBORDER_SUNKEN)
    , colour_(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE))
{
    SetCursor(wxCursor(wxCURSOR_HAND));
    Bind(wxEVT_PAINT, &ColourSwatch::OnPaint, this);
}

void ColourSwatch::setColour(const wxColour& colour)
{
    colour_ = colour;
    Refresh();
}

void ColourSwatch::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    dc.SetBrush(wxBrush(colour_));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(GetClientRect());
}

} // namespace glimtags
