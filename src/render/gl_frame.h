#pragma once

#include <GL/gl.h>

#include <array>

namespace glimtags {

// The OpenGL state of one preview frame, set once for all its shapes and glyph lines and
// put back when the frame ends: a top-down projection in pixels over the whole viewport,
// blending by alpha, modulated textures, the vertex, texture and colour arrays on, and the
// scissor test on with the whole frame as its box. Each draw switches only texturing,
// blending and a narrower scissor box as it needs them.
class GlFrame {
public:
    GlFrame(int width, int height);
    ~GlFrame();
    GlFrame(const GlFrame&) = delete;
    GlFrame& operator=(const GlFrame&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    // The scissor box back to the whole frame after a draw that narrowed it.
    void scissorWholeFrame() const;

private:
    struct SavedState {
        GLint texture = 0;
        std::array<GLint, 2> polygonModes{};
        std::array<GLint, 4> viewport{};
        std::array<GLint, 4> scissorBox{};
        GLint shadeModel = 0;
        GLint textureEnvironment = 0;
    };

    int width_;
    int height_;
    SavedState saved_;
};

} // namespace glimtags
