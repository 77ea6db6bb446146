#pragma once

#include "core/name_text.h"
#include "core/preview_labels.h"
#include "render/bitmap_font.h"
#include "render/tga_image.h"

#include <GL/gl.h>

#include <string>

namespace glimtags {

// The preview's size in pixels: the scene's layout is made for it.
inline constexpr int kPreviewWidth = 576;
inline constexpr int kPreviewHeight = 228;

// The preview scene: the name over the background, drawn with the game's font, and the
// editing aids around it. Shapes are placed top-down, text bottom-up, both in preview
// pixels. It is given pictures and texts; it reads no file itself.
class PreviewView {
public:
    // The viewport and clear colour of a preview of this size.
    void startScene(int width, int height);
    // False when the sheet has no picture: the glyphs then draw as solid squares.
    bool setFont(const TgaImage& sheet);
    // False when the picture has no pixels: the preview then shows no background.
    bool setBackground(const TgaImage& picture);
    // Each text is cut to 255 bytes.
    void setLabels(PreviewLabels labels);

    void renderFrame(const NameText& name, int width, int height, bool nameLonger, bool enableStripe);
    void drawSelection(int startColumn, int endColumn);
    void drawTextCursor(int column);
    void drawLimitGuide();
    void drawCharacterInfo(const NameText& name, int caret);
    void drawLimitNotice();
    // The server's version of the name above it, led by its label, in the game's colours.
    void drawServerName(const NameText& serverName);

private:
    float halfHeight() const { return static_cast<float>(height_) * 0.5f; }
    void drawCharacterLine(int penY, const std::string& label, bool asCode, unsigned char shown,
        ColourRgb lineColour);

    int width_ = 0;
    int height_ = 0;
    GLuint backgroundTexture_ = 0;
    bool backgroundShown_ = false;
    BitmapFont font_;
    PreviewLabels labels_;
};

} // namespace glimtags
