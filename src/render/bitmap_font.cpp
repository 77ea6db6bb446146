#include "render/bitmap_font.h"

#include "render/tga_image.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
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

bool switchOn(GLenum capability)
{
    const bool wasOn = glIsEnabled(capability);
    if (!wasOn)
        glEnable(capability);
    return wasOn;
}

bool switchOff(GLenum capability)
{
    const bool wasOn = glIsEnabled(capability);
    if (wasOn)
        glDisable(capability);
    return wasOn;
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

void BitmapFont::drawText(int x, int y, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    if (std::vsnprintf(formatted_.data(), formatted_.size(), format, arguments) < 0)
        formatted_[0] = '\0';
    va_end(arguments);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    enterStateBracket();

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport[2], 0, viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glBindTexture(GL_TEXTURE_2D, texture);
    drawLine(formatted_.data(), x, y, viewport);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    leaveStateBracket();
    resetStyle();
}

void BitmapFont::enterStateBracket()
{
    glGetIntegerv(GL_POLYGON_MODE, saved_.polygonModes.data());
    if (saved_.polygonModes[0] != GL_FILL)
        glPolygonMode(GL_FRONT, GL_FILL);
    if (saved_.polygonModes[1] != GL_FILL)
        glPolygonMode(GL_BACK, GL_FILL);
    saved_.texturing = switchOn(GL_TEXTURE_2D);
    saved_.depthTest = switchOff(GL_DEPTH_TEST);
    saved_.lighting = switchOff(GL_LIGHTING);
    saved_.scissorTest = switchOn(GL_SCISSOR_TEST);
    glGetIntegerv(GL_MATRIX_MODE, &saved_.matrixMode);
    saved_.blending = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_BLEND_SRC, &saved_.blendSource);
    glGetIntegerv(GL_BLEND_DST, &saved_.blendDestination);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void BitmapFont::leaveStateBracket() const
{
    if (saved_.polygonModes[0] != GL_FILL)
        glPolygonMode(GL_FRONT, static_cast<GLenum>(saved_.polygonModes[0]));
    if (saved_.polygonModes[1] != GL_FILL)
        glPolygonMode(GL_BACK, static_cast<GLenum>(saved_.polygonModes[1]));
    if (saved_.lighting)
        glEnable(GL_LIGHTING);
    if (!saved_.blending)
        glDisable(GL_BLEND);
    glBlendFunc(static_cast<GLenum>(saved_.blendSource), static_cast<GLenum>(saved_.blendDestination));
    if (saved_.depthTest)
        glEnable(GL_DEPTH_TEST);
    if (!saved_.texturing)
        glDisable(GL_TEXTURE_2D);
    if (!saved_.scissorTest)
        glDisable(GL_SCISSOR_TEST);
    glMatrixMode(static_cast<GLenum>(saved_.matrixMode));
}

void BitmapFont::drawLine(const char* text, int x0, int y0, const std::array<GLint, 4>& viewport)
{
    const int rightLimit = viewport[0] + viewport[2];
    int newlines = 0;
    int tabs = 0;
    int length = 0;
    for (; text[length] != '\0'; ++length) {
        newlines += text[length] == '\n';
        tabs += text[length] == '\t';
    }
    // The box counts every byte, escapes included, and reaches down one cell per newline.
    const int tabFactor = tabs > 0 ? 4 * tabs : 1;
    glScissor(x0, y0 - newlines * size, tabFactor * size * length, size * (newlines + 1));

    int penX = x0;
    int penY = y0;
    for (int i = 0; text[i] != '\0' && penX <= rightLimit;) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '\t':
            penX += kTabCells * size;
            ++i;
            break;
        case '\n':
            penY -= size;
            penX = x0;
            ++i;
            break;
        case '\\':
            i = drawEscape(text, i, penX, penY);
            break;
        default:
            drawGlyph(byte, penX, penY);
            penX += size;
            ++i;
            break;
        }
    }
}

int BitmapFont::drawEscape(const char* text, int i, int& penX, int penY)
{
    const char letter = text[i + 1];
    if (letter == '\0')
        return i + 1;
    if (letter == 'c' || letter == 'a') {
        std::array<int, 4> values{0, 0, 0, 255};
        const int count = letter == 'c' ? 3 : 4;
        if (const char* end = parseIntegers(text + i + 2, count, values.data())) {
            for (std::size_t c = 0; c < colour.size(); ++c)
                colour[c] = static_cast<GLfloat>(values[c]) / 255.0f;
            const char* closing = std::strchr(end, ')');
            return static_cast<int>(closing ? closing + 1 - text : end + std::strlen(end) - text);
        }
    } else if ((letter == 'b' || letter == 'i') && (text[i + 2] == '+' || text[i + 2] == '-')) {
        const bool on = text[i + 2] == '+';
        if (letter == 'b')
            bold = on;
        else
            slant = on ? kSlantPixels : 0;
        return i + 3;
    }
    // Unknown and malformed escapes show the backslash itself; the following bytes draw as usual.
    drawGlyph('\\', penX, penY);
    penX += size;
    return i + 1;
}

void BitmapFont::drawGlyph(unsigned char byte, int x, int y) const
{
    if (shadow)
        drawGlyphQuad(byte, bold ? x + 2 : x + 1, y + 1, shadowColour);
    drawGlyphQuad(byte, x, y, colour);
    if (bold)
        drawGlyphQuad(byte, x + 1, y, colour);
}

void BitmapFont::drawGlyphQuad(unsigned char byte, int x, int y, const std::array<GLfloat, 4>& quadColour) const
{
    const CellCorner cell = cellTable[byte];
    glBegin(GL_QUADS);
    glColor4fv(quadColour.data());
    glTexCoord2f(cell.u, cell.v);
    glVertex2i(x, y);
    glTexCoord2f(cell.u + cellWidth, cell.v);
    glVertex2i(x + size, y);
    glTexCoord2f(cell.u + cellWidth, cell.v + cellHeight);
    glVertex2i(x + size + slant, y + size);
    glTexCoord2f(cell.u, cell.v + cellHeight);
    glVertex2i(x + slant, y + size);
    glEnd();
}

} // namespace glimtags
