#include "ui/clickable_box.h"

namespace glimtags {

ClickableBox::ClickableBox(wxWindow* parent, int id, const wxPoint& position, const wxSize& size, long style)
    : wxWindow(parent, id, position, size, style | wxFULL_REPAINT_ON_RESIZE)
{
    Bind(wxEVT_LEFT_UP, &ClickableBox::OnLeftUp, this);
}

void ClickableBox::OnLeftUp(wxMouseEvent& event)
{
    if (GetClientRect().Contains(event.GetPosition())) {
        wxCommandEvent click(wxEVT_BUTTON, GetId());
        click.SetEventObject(this);
        ProcessWindowEvent(click);
    }
    event.Skip();
}

} // namespace glimtags
