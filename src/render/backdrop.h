#pragma once

#include "render/gl_frame.h"
#include "render/tga_image.h"

#include <GL/gl.h>

namespace glimtags {

// The background picture stretched over the whole frame. Filtering the stretched picture
// is most of a software renderer's frame, so the first frame of a size keeps what it drew
// in a texture of its own and later frames copy those pixels back one for one.
class Backdrop {
public:
    // False when the picture has no pixels: the frame then shows its clear colour.
    bool setPicture(const TgaImage& picture);
    // Expects texturing to be switched as the frame left it; leaves it on, blending off.
    void draw(const GlFrame& frame);

private:
    void drawStretched(const GlFrame& frame) const;
    void keepCopy(const GlFrame& frame);
    void drawCopy(const GlFrame& frame) const;

    GLuint picture_ = 0;
    bool shown_ = false;
    GLuint copy_ = 0;
    int copyWidth_ = 0;
    int copyHeight_ = 0;
    int copyTextureWidth_ = 0;
    int copyTextureHeight_ = 0;
};

} // namespace glimtags
