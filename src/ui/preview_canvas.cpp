#include "ui/preview_canvas.h"

#include "platform/gl_surface.h"
#include "platform/message_box.h"
#include "ui/control_ids.h"

#include <wx/dcclient.h>

namespace glimtags {

PreviewContext::PreviewContext(wxGLCanvas* canvas)
    : wxGLContext(canvas)
{
}

void PreviewContext::draw(const PreviewState& state, const wxSize& size)
{
    paintPreview(scene_, state, size.x, size.y);
}

std::optional<wxGLAttributes> PreviewCanvas::choosePixelFormat()
{
    std::optional<wxGLAttributes> attributes = platform::choosePreviewPixelFormat();
    if (!attributes)
        platform::showMessage(nullptr, "No se pudo elegir un formato de pixel correcto.");
    return attributes;
}

bool PreviewCanvas::createContext()
{
    context_ = std::make_unique<PreviewContext>(this);
    if (context_->IsOK())
        return true;
    context_.reset();
    platform::showMessage(nullptr, "No se pudo seleccionar el formato de pixel especificado.");
    return false;
}

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

PreviewView& PreviewCanvas::currentScene()
{
    context_->SetCurrent(*this);
    return context_->scene();
}

void PreviewCanvas::startScene(const TgaImage& font, PreviewLabels labels)
{
    PreviewView& scene = currentScene();
    scene.setFont(font);
    scene.setLabels(std::move(labels));
    sceneStarted_ = true;
    requestRepaint();
}

bool PreviewCanvas::setBackground(const TgaImage& picture)
{
    const bool shown = currentScene().setBackground(picture);
    requestRepaint();
    return shown;
}

void PreviewCanvas::setFont(const TgaImage& font)
{
    currentScene().setFont(font);
    requestRepaint();
}

void PreviewCanvas::OnPaint(wxPaintEvent&)
{
    // Required even though the paint goes through OpenGL: it validates the region.
    wxPaintDC dc(this);
    if (!sceneStarted_ || !state_)
        return;
    context_->SetCurrent(*this);
    context_->draw(state_(), GetClientSize());
    SwapBuffers();
}

} // namespace glimtags
