#pragma once

#include <wx/bitmap.h>
#include "ui/clickable_box.h"

namespace glimtags {

// A flat button showing one picture.
class PictureButton : public ClickableBox {
public:
    PictureButton(wxWindow* parent, int id, const wxPoint& position, const wxSize& size, const wxBitmap& picture);

    void setPicture(const wxBitmap& picture);

private:
    void OnPaint(wxPaintEvent& event);
    void OnHover(wxMouseEvent& event);

    wxBitmap picture_;
    bool hovering_ = false;
};

} // namespace glimtags
