#pragma once

#include "core/name_text.h"
#include "core/preview_labels.h"
#include "render/backdrop.h"
#include "render/bitmap_font.h"
#include "render/gl_frame.h"
#include "render/tga_image.h"

#include <GL/gl.h>

#include <string>

namespace glimtags {

// The preview's size in pixels: the scene's layout is made for it.
inline constexpr int kPreviewWidth = 576;
inline constexpr int kPreviewHeight = 228;

// The preview scene: the name over the background, drawn glyph for glyph as the game
// draws it, and the editing aids around it. Shapes are placed top-down, text bottom-up,
// both in frame pixels. It is given pictures and texts; it reads no file itself.
class PreviewView {
public:
    // False when the sheet has no picture: the glyphs then draw as solid squares.
    bool setFont(const TgaImage& sheet);
    // False when the picture has no pixels: the preview then shows no background.
    bool setBackground(const TgaImage& picture);
    // Each text is cut to 255 bytes.
    void setLabels(PreviewLabels labels);

    void renderFrame(const GlFrame& frame, const NameText& name, bool nameLonger, bool enableStripe);
    void drawSelection(const GlFrame& frame, int startColumn, int endColumn);
    void drawTextCursor(const GlFrame& frame, int column);
    void drawLimitGuide(const GlFrame& frame);
    void drawCharacterInfo(const GlFrame& frame, const NameText& name, int caret);
    void drawLimitNotice(const GlFrame& frame);
    // The server's version of the name above it, led by its label.
    void drawServerName(const GlFrame& frame, const NameText& serverName);

private:
    // One line of the character information: the label, an arrow, and the code or glyph
    // found at a byte of the name.
    void drawCharacterLine(const GlFrame& frame, int penY, const std::string& label, const NameText& name, int at);
    void drawName(const GlFrame& frame, int penY, const NameText& name);

    Backdrop backdrop_;
    BitmapFont font_;
    PreviewLabels labels_;
};

} // namespace glimtags
