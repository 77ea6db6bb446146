#pragma once

#include "render/tga_image.h"

#include <GL/gl.h>

#include <array>
#include <string>

namespace glimtags {

// Texture coordinates of the lower left corner of a glyph cell.
struct CellCorner {
    GLfloat u;
    GLfloat v;
};

// The glyph sheet of 16 x 16 cells, one per byte value, and the style of the next drawText.
class BitmapFont {
public:
    static constexpr int kCellCount = 256;
    static constexpr std::size_t kFormatBufferBytes = 1024;

    std::array<GLfloat, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<GLfloat, 4> shadowColour{0.5f, 0.5f, 0.5f, 1.0f};
    GLint size = 12;
    bool shadow = false;
    GLint slant = 0;
    bool bold = false;
    GLfloat cellWidth = 0.0f;
    GLfloat cellHeight = 0.0f;
    GLint rows = 16;
    GLint columns = 16;
    GLuint texture = 0;

    // Cell k lies in picture row k / 16 from the top, column k % 16.
    std::array<CellCorner, kCellCount> cellTable{};

    // Makes a new texture from the glyph sheet, widened to RGBA; false when the sheet has
    // no picture, and the glyphs then draw as solid squares.
    bool createFont(const TgaImage& sheet);
    void resetStyle();
    // Draws the formatted text with its lower left corner at (x, y) in viewport pixels, y up;
    // backslash escapes inside the text change colour, boldness and slant. The style is reset after.
    void drawText(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));

private:
    // OpenGL state drawText switches and puts back.
    struct SavedState {
        std::array<GLint, 2> polygonModes{};
        bool texturing = false;
        bool depthTest = false;
        bool lighting = false;
        bool scissorTest = false;
        GLint matrixMode = 0;
        bool blending = false;
        GLint blendSource = 0;
        GLint blendDestination = 0;
    };

    void enterStateBracket();
    void leaveStateBracket() const;
    void drawLine(const char* text, int x0, int y0, const std::array<GLint, 4>& viewport);
    // Index of the byte after the escape starting at text[i]; draws what the escape draws.
    int drawEscape(const char* text, int i, int& penX, int penY);
    void drawGlyph(unsigned char byte, int x, int y) const;
    void drawGlyphQuad(unsigned char byte, int x, int y, const std::array<GLfloat, 4>& quadColour) const;

    SavedState saved_;
    std::array<char, kFormatBufferBytes> formatted_{};
};

} // namespace glimtags
