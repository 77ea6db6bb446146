#include "dialogs/dialog_layout.h"

#include "platform/dialog_units.h"

#include <wx/window.h>

#include <algorithm>

namespace glimtags {
namespace {

using platform::unitsAcross;
using platform::unitsDown;

} // namespace

void DialogLayout::place(wxWindow* control, int x, int y, int width, int height)
{
    place(control, x, y, width, height, control->GetBestSize());
}

void DialogLayout::place(wxWindow* control, int x, int y, int width, int height, wxSize needed)
{
    if (y != rowTop_) {
        pushedDown_ += rowGrowth_;
        rowGrowth_ = 0;
        rowTop_ = y;
    }
    wxRect rect(unitsAcross(x), unitsDown(y) + pushedDown_, unitsAcross(width), unitsDown(height));
    if (needed.x > rect.width) {
        rect.x -= (needed.x - rect.width) / 2;
        rect.width = needed.x;
    }
    if (needed.y > rect.height) {
        rowGrowth_ = std::max(rowGrowth_, needed.y - rect.height);
        rect.height = needed.y;
    }
    control->SetSize(rect);
}

wxSize DialogLayout::clientSize(int width, int height) const
{
    return wxSize(unitsAcross(width), unitsDown(height) + pushedDown_ + rowGrowth_);
}

} // namespace glimtags
