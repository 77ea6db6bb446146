#pragma once

#include "render/preview_paint.h"
#include "render/preview_view.h"

#include <wx/glcanvas.h>

#include <functional>
#include <memory>
#include <optional>

namespace glimtags {

// The preview's OpenGL state and drawing: the rendering context and the scene it draws.
class PreviewContext : public wxGLContext {
public:
    explicit PreviewContext(wxGLCanvas* canvas);

    PreviewView& scene() { return scene_; }
    void draw(const PreviewState& state, const wxSize& size);

private:
    PreviewView scene_;
};

// The preview area: an OpenGL surface of a fixed size that forwards each paint to its
// context. It never takes the keyboard, which belongs to the name box.
class PreviewCanvas : public wxGLCanvas {
public:
    // The display's surface format for the preview; nothing, after the fixed message, when
    // it offers none.
    static std::optional<wxGLAttributes> choosePixelFormat();

    PreviewCanvas(wxWindow* parent, const wxGLAttributes& attributes, const wxPoint& position, const wxSize& size);
    // The rendering context, once the window around it is built; false, after the fixed
    // message, when the display gives none.
    bool createContext();

    // Where each paint takes what it shows.
    void onPaint(std::function<PreviewState()> state) { state_ = std::move(state); }

    // The scene needs the shown surface; until it has started, a paint draws nothing.
    void startScene(const TgaImage& font, PreviewLabels labels);
    // False when the picture has no pixels; the preview then shows no background.
    bool setBackground(const TgaImage& picture);
    void setFont(const TgaImage& font);
    bool sceneStarted() const { return sceneStarted_; }
    void requestRepaint() { Refresh(false); }

    bool AcceptsFocus() const override { return false; }

private:
    void OnPaint(wxPaintEvent& event);
    PreviewView& currentScene();

    std::unique_ptr<PreviewContext> context_;
    std::function<PreviewState()> state_;
    bool sceneStarted_ = false;
};

} // namespace glimtags
