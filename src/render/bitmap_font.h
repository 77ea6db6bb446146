#pragma once

#include "core/name_text.h"
#include "render/gl_frame.h"
#include "render/tga_image.h"

#include <GL/gl.h>

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace glimtags {

// Texture coordinates of the lower left corner of a glyph cell.
struct CellCorner {
    GLfloat u;
    GLfloat v;
};

// One glyph as the game draws it: the cell of its byte, in its colour.
struct ColouredGlyph {
    unsigned char byte;
    ColourRgb colour;
};

// The glyph sheet of 16 x 16 cells, one per byte value, and the style of the next line.
// Each line is one batch of quads, drawn inside a GlFrame; the style is reset after it.
class BitmapFont {
public:
    static constexpr int kCellCount = 256;

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

    // A text of the editor's own, such as a label from the language file, with its lower
    // left corner at (x, y) in frame pixels, y up: backslash escapes change colour,
    // boldness and slant, tabs and newlines move the pen, and the line is cut to a box of
    // one cell per byte. Then the glyphs, each byte its own cell, in the style the text left.
    void drawLabel(const GlFrame& frame, int x, int y, std::string_view text, std::string_view glyphs = {});
    // A line of the game's glyphs from (x, y), one cell each: every byte is drawn, none is
    // read as an escape or a layout character; a shadow stays inside its glyph's cell.
    void drawGlyphs(const GlFrame& frame, int x, int y, std::span<const ColouredGlyph> glyphs);

private:
    struct Vertex {
        GLfloat x, y;
        GLfloat u, v;
        std::array<GLfloat, 4> colour;
    };
    // A glyph's quad in frame pixels, y up, and the part of its cell it shows.
    struct Quad {
        GLfloat left, bottom, right, top;
        GLfloat uLeft, vBottom, uRight, vTop;
    };

    // Index of the byte after the escape starting at text[i]; adds what the escape draws.
    std::size_t addEscape(std::string_view text, std::size_t i, int& penX, int penY);
    void addGlyph(unsigned char byte, int x, int y);
    void addQuad(const Quad& quad, const std::array<GLfloat, 4>& quadColour, GLint quadSlant);
    Quad cellQuad(unsigned char byte, int x, int y) const;
    void drawBatch(const GlFrame& frame);

    std::vector<Vertex> batch_;
};

} // namespace glimtags
