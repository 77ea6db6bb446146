#include "ui/lazy_status_bar.h"

namespace glimtags {

LazyStatusBar::LazyStatusBar(wxWindow* parent, int fields)
    : wxStatusBar(parent)
{
    SetFieldsCount(fields);
}

void LazyStatusBar::DoUpdateStatusText(int field)
{
    wxRect rect;
    if (GetFieldRect(field, rect))
        RefreshRect(rect);
}

} // namespace glimtags
