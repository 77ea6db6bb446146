#pragma once

#include "ui/clickable_box.h"

namespace glimtags {

// A small sunken box filled with one game colour.
class ColourSwatch : public ClickableBox {
public:
    ColourSwatch(wxWindow* parent, int id, const wxPoint& position, const wxSize& size);

    // Until a colour is set the swatch shows the button face.
    void setColour(const wxColour& colour);
    const wxColour& colour() const { return colour_; }

private:
    void OnPaint(wxPaintEvent& event);

    wxColour colour_;
};

} // namespace glimtags
