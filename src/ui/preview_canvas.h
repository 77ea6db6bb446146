#pragma once

#include <wx/glcanvas.h>

#include <functional>

namespace glimtags {

// The preview area: an OpenGL surface of a fixed size whose every paint is drawn by
// the window that owns the rendering context.
class PreviewCanvas : public wxGLCanvas {
public:
    PreviewCanvas(wxWindow* parent, const wxGLAttributes& attributes, const wxPoint& position, const wxSize& size);

    void onPaint(std::function<void()> painter) { painter_ = std::move(painter); }

    bool AcceptsFocus() const override { return false; }

private:
    void OnPaint(wxPaintEvent& event);

    std::function<void()> painter_;
};

} // namespace glimtags
