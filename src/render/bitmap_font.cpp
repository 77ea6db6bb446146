#include "render/bitmap_font.h"

#include "render/tga_image.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace glimtags {
namespace {

constexpr int kSlantPixels = 8;
// A tab moves the pen by this many cells, the cell every byte advances included.
constexpr int kTabCells = 5;
// Colour numbers beyond this are clamped by OpenGL anyway; stopping here avoids overflow.
constexpr long kLargestColourNumber = 100000;

// Reads count integers the way sscanf reads "(%d %d ...)": an opening parenthesis right here,
// then decimal integers, each after optional blanks. The position after the last number,
// or nullptr when not all of them are there.
const char* parseIntegers(const char* text, int count, int* values)
{
    if (*text != '(')
        return nullptr;
    ++text;
    for (int n = 0; n < count; ++n) {
        while (std::isspace(static_cast<unsigned char>(*text)))
            ++text;
        const bool negative = *text == '-';
        if (*text == '-' || *text == '+')
            ++text;
        if (!std::isdigit(static_cast<unsigned char>(*text)))
            return nullptr;
        long value = 0;
        for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
            value = std::min(value * 10 + (*text - '0'), kLargestColourNumber);
        values[n] = static_cast<int>(negative ? -value : value);
    }
    return text;
}

} // namespace

bool BitmapFont::createFont(const TgaImage& sheet)
{
    if (texture != 0)
        glDeleteTextures(1, &texture);
    glGenTextures(1, &texture);
    cellWidth = 1.0f / static_cast<GLfloat>(columns);
    cellHeight = 1.0f / static_cast<GLfloat>(rows);

    // Picture row 0 is the top one, but texture row 0 is the bottom of the picture.
    cellTable = {};
    std::size_t entry = 0;
    for (int row = 0; row < rows && entry < cellTable.size(); ++row)
        for (int column = 0; column < columns && entry < cellTable.size(); ++column)
            cellTable[entry++] = {static_cast<GLfloat>(column) / static_cast<GLfloat>(columns),
                static_cast<GLfloat>(rows - 1 - row) / static_cast<GLfloat>(rows)};

    // Always four channels: the glyphs are tinted through their alpha.
    sheet.upload(texture, GL_RGBA);
    return !sheet.pixels.empty();
}

void BitmapFont::resetStyle()
{
    const BitmapFont defaults;
    colour = defaults.colour;
    shadowColour = defaults.shadowColour;
    size = defaults.size;
    shadow = defaults.shadow;
    slant = defaults.slant;
    bold = defaults.bold;
}

void BitmapFont::drawLabel(const GlFrame& frame, int x, int y, std::string_view text, std::string_view glyphs)
{
    int newlines = 0;
    int tabs = 0;
    for (const char byte : text) {
        newlines += byte == '\n';
        tabs += byte == '\t';
    }
    // The box counts every byte, escapes included, and reaches down one cell per newline.
    const int length = static_cast<int>(text.size() + glyphs.size());
    const int tabFactor = tabs > 0 ? 4 * tabs : 1;
    glScissor(x, y - newlines * size, tabFactor * size * length, size * (newlines + 1));

    int penX = x;
    int penY = y;
    for (std::size_t i = 0; i < text.size() && penX <= frame.width();) {
        switch (text[i]) {
        case '\t':
            penX += kTabCells * size;
            ++i;
            break;
        case '\n':
            penY -= size;
            penX = x;
            ++i;
            break;
        case '\\':
            i = addEscape(text, i, penX, penY);
            break;
        default:
            addGlyph(static_cast<unsigned char>(text[i]), penX, penY);
            penX += size;
            ++i;
            break;
        }
    }
    for (std::size_t i = 0; i < glyphs.size() && penX <= frame.width(); ++i, penX += size)
        addGlyph(static_cast<unsigned char>(glyphs[i]), penX, penY);
    drawBatch(frame);
    frame.scissorWholeFrame();
    resetStyle();
}

void BitmapFont::drawGlyphs(const GlFrame& frame, int x, int y, std::span<const ColouredGlyph> glyphs)
{
    // One pixel of the shadow, right and up, falls outside the cell and is cut off.
    const GLfloat kept = static_cast<GLfloat>(size - 1) / static_cast<GLfloat>(size);
    for (const ColouredGlyph& glyph : glyphs) {
        const Quad cell = cellQuad(glyph.byte, x, y);
        if (shadow)
            addQuad({cell.left + 1, cell.bottom + 1, cell.right, cell.top, cell.uLeft, cell.vBottom,
                        cell.uLeft + kept * cellWidth, cell.vBottom + kept * cellHeight},
                shadowColour, 0);
        addQuad(cell, {glyph.colour.red, glyph.colour.green, glyph.colour.blue, 1.0f}, 0);
        x += size;
    }
    drawBatch(frame);
    resetStyle();
}

std::size_t BitmapFont::addEscape(std::string_view text, std::size_t i, int& penX, int penY)
{
    if (i + 1 >= text.size())
        return i + 1;
    const char letter = text[i + 1];
    const char sign = i + 2 < text.size() ? text[i + 2] : '\0';
    if (letter == 'c' || letter == 'a') {
        std::array<int, 4> values{0, 0, 0, 255};
        const int count = letter == 'c' ? 3 : 4;
        // The text holds no zero byte, so its copy ends where the parser must stop.
        const std::string rest(text.substr(i + 2));
        if (const char* end = parseIntegers(rest.c_str(), count, values.data())) {
            for (std::size_t c = 0; c < colour.size(); ++c)
                colour[c] = static_cast<GLfloat>(values[c]) / 255.0f;
            const char* closing = std::strchr(end, ')');
            return i + 2 + static_cast<std::size_t>((closing ? closing + 1 : end + std::strlen(end)) - rest.c_str());
        }
    } else if ((letter == 'b' || letter == 'i') && (sign == '+' || sign == '-')) {
        const bool on = sign == '+';
        if (letter == 'b')
            bold = on;
        else
            slant = on ? kSlantPixels : 0;
        return i + 3;
    }
    // Unknown and malformed escapes show the backslash itself; the following bytes draw as usual.
    addGlyph('\\', penX, penY);
    penX += size;
    return i + 1;
}

void BitmapFont::addGlyph(unsigned char byte, int x, int y)
{
    if (shadow)
        addQuad(cellQuad(byte, bold ? x + 2 : x + 1, y + 1), shadowColour, slant);
    addQuad(cellQuad(byte, x, y), colour, slant);
    if (bold)
        addQuad(cellQuad(byte, x + 1, y), colour, slant);
}

BitmapFont::Quad BitmapFont::cellQuad(unsigned char byte, int x, int y) const
{
    const CellCorner cell = cellTable[byte];
    return {static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(x + size),
        static_cast<GLfloat>(y + size), cell.u, cell.v, cell.u + cellWidth, cell.v + cellHeight};
}

void BitmapFont::addQuad(const Quad& quad, const std::array<GLfloat, 4>& quadColour, GLint quadSlant)
{
    const auto shift = static_cast<GLfloat>(quadSlant);
    batch_.push_back({quad.left, quad.bottom, quad.uLeft, quad.vBottom, quadColour});
    batch_.push_back({quad.right, quad.bottom, quad.uRight, quad.vBottom, quadColour});
    batch_.push_back({quad.right + shift, quad.top, quad.uRight, quad.vTop, quadColour});
    batch_.push_back({quad.left + shift, quad.top, quad.uLeft, quad.vTop, quadColour});
}

void BitmapFont::drawBatch(const GlFrame& frame)
{
    if (batch_.empty())
        return;
    // The frame's pixels run top-down.
    for (Vertex& vertex : batch_)
        vertex.y = static_cast<GLfloat>(frame.height()) - vertex.y;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, texture);
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &batch_[0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &batch_[0].u);
    glColorPointer(4, GL_FLOAT, sizeof(Vertex), batch_[0].colour.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(batch_.size()));
    batch_.clear();
}

} // namespace glimtags
