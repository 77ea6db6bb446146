#include "ui/preview_canvas.h"

#include "ui/control_ids.h"

#include <wx/dcclient.h>

namespace glimtags {

PreviewCanvas::PreviewCanvas(wxWindow* parent, const wxGLAttributes& attributes, const wxPoint& position,
                             const wxSize& size)
    : wxGLCanvas(parent, attributes, ids::PreviewArea, position, size, wxFULL_REPAINT_ON_RESIZE)
{
    // Keys belong to the name box; a click on the preview must not take them away.
    SetCanFocus(false);
    Bind(wxEVT_PAINT, &PreviewCanvas::OnPaint, this);
    // The scene covers every pixel: no background erase, no flicker.
    Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
}

void PreviewCanvas::OnPaint(wxPaintEvent&)
{
    // Required even though the paint goes through OpenGL: it validates the region.
    wxPaintDC dc(this);
    if (painter_)
        painter_();
}

} // namespace glimtags
