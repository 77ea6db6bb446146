#include "render/preview_view.h"

#include "core/game_glyphs.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace glimtags {
namespace {

// Labels, and the lines of the character information, are cut to this many bytes.
constexpr std::size_t kLongestText = 255;
constexpr int kNameGlyphSize = 16;
constexpr int kNamePenX = 10;
constexpr int kGuideX = 267;
constexpr unsigned char kCursorGlyph = '_';

using Rgba = std::array<GLfloat, 4>;

constexpr Rgba kStripeColour{0.5f, 0.5f, 0.5f, 0.65f};
constexpr Rgba kBandColour{1.0f, 0.0f, 0.0f, 0.6f};
constexpr Rgba kSelectionColour{0.733f, 0.988f, 1.0f, 0.3f};
constexpr Rgba kInfoBoxColour{0.5f, 0.5f, 0.5f, 0.5f};
constexpr Rgba kWhiteText{1.0f, 1.0f, 1.0f, 1.0f};
constexpr Rgba kClearColour{0.463f, 0.706f, 0.557f, 1.0f};
constexpr Rgba kNoticeText{1.0f, 1.0f, 0.0f, 1.0f};
constexpr Rgba kBlackShadow{0.0f, 0.0f, 0.0f, 1.0f};

int integerPart(float value)
{
    return static_cast<int>(value);
}

void vertex(int x, int y)
{
    glVertex2i(x, y);
}

void vertex(float x, float y)
{
    glVertex2f(x, y);
}

// An untextured box blended over what is there, through the corners (x1, y1), (x1, y2),
// (x2, y2), (x2, y1) in shape coordinates.
template <typename Coordinate>
void drawTranslucentBox(const Rgba& colour, Coordinate x1, Coordinate y1, Coordinate x2, Coordinate y2)
{
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glColor4f(colour[0], colour[1], colour[2], colour[3]);
    glBegin(GL_QUADS);
    vertex(x1, y1);
    vertex(x1, y2);
    vertex(x2, y2);
    vertex(x2, y1);
    glEnd();
}

// The look of the name, its cursor and the too-long notice: 16-pixel glyphs over a black shadow.
void useShadowedGlyphs(BitmapFont& font, const Rgba& colour)
{
    font.colour = colour;
    font.size = kNameGlyphSize;
    font.shadow = true;
    font.shadowColour = kBlackShadow;
}

// A label ends at its first zero byte, as a text handed to C would.
std::string cut(std::string text)
{
    text.resize(std::min({text.size(), text.find('\0'), kLongestText}));
    return text;
}

} // namespace

bool PreviewView::setFont(const TgaImage& sheet)
{
    return font_.createFont(sheet);
}

bool PreviewView::setBackground(const TgaImage& picture)
{
    return backdrop_.setPicture(picture);
}

void PreviewView::setLabels(PreviewLabels labels)
{
    for (std::string* text : {&labels.previousChar, &labels.currentChar, &labels.nextChar, &labels.inGameLimit[0],
                              &labels.inGameLimit[1], &labels.inGameLimit[2], &labels.nameLonger, &labels.serverName})
        *text = cut(std::move(*text));
    labels_ = std::move(labels);
}

void PreviewView::renderFrame(const GlFrame& frame, const NameText& name, bool nameLonger, bool enableStripe)
{
    const int width = frame.width();
    const int height = frame.height();
    const float halfWidth = static_cast<float>(width) * 0.5f;
    const float half = static_cast<float>(height) * 0.5f;

    glClearColor(kClearColour[0], kClearColour[1], kClearColour[2], kClearColour[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    backdrop_.draw(frame);

    if (nameLonger) {
        drawTranslucentBox(kBandColour, integerPart(halfWidth - 176), integerPart(half + 1), integerPart(halfWidth + 176),
            integerPart(half - 17));
        useShadowedGlyphs(font_, kNoticeText);
        font_.drawLabel(frame, integerPart(halfWidth - 176), integerPart(half), labels_.nameLonger);
        return;
    }

    if (enableStripe && !name.empty()) {
        const int right = kNameGlyphSize * gameGlyphCount(name) + 14;
        drawTranslucentBox(kStripeColour, 7, integerPart(half - 20), right, integerPart(half + 5));
    }
    drawName(frame, integerPart(half), name);
}

void PreviewView::drawName(const GlFrame& frame, int penY, const NameText& name)
{
    std::vector<ColouredGlyph> glyphs;
    glyphs.reserve(static_cast<std::size_t>(name.length()));
    walkGameColours(name, [&](unsigned char byte, ColourRgb colour) { glyphs.push_back({byte, colour}); });
    useShadowedGlyphs(font_, kWhiteText);
    font_.drawGlyphs(frame, kNamePenX, penY, glyphs);
}

void PreviewView::drawSelection(const GlFrame& frame, int startColumn, int endColumn)
{
    if (endColumn - startColumn <= 0)
        return;
    const float half = static_cast<float>(frame.height()) * 0.5f;
    drawTranslucentBox(kSelectionColour, kNameGlyphSize * startColumn + 8, integerPart(half - 20),
        kNameGlyphSize * endColumn + 12, integerPart(half + 5));
}

void PreviewView::drawTextCursor(const GlFrame& frame, int column)
{
    const float half = static_cast<float>(frame.height()) * 0.5f;
    const ColouredGlyph cursor{kCursorGlyph, kWhite};
    useShadowedGlyphs(font_, kWhiteText);
    font_.drawGlyphs(frame, kNameGlyphSize * column + kNamePenX, integerPart(half - 5), {&cursor, 1});
}

void PreviewView::drawLimitGuide(const GlFrame& frame)
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(5, 0x5555);
    glLineWidth(1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex2i(kGuideX, 0);
    glVertex2i(kGuideX, frame.height());
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void PreviewView::drawCharacterInfo(const GlFrame& frame, const NameText& name, int caret)
{
    const float half = static_cast<float>(frame.height()) * 0.5f;
    drawTranslucentBox(kInfoBoxColour, 5.0f, half + 48, 265.0f, half + 100);
    // Each line shows the code or glyph starting at its byte, as the game reads the name.
    const int previous = isGameColourCode(name, caret - 2) ? caret - 2 : caret - 1;
    const int next = isGameColourCode(name, caret) ? caret + 2 : caret + 1;
    drawCharacterLine(frame, integerPart(half - 65), labels_.previousChar, name, previous);
    drawCharacterLine(frame, integerPart(half - 80), labels_.currentChar, name, caret);
    drawCharacterLine(frame, integerPart(half - 95), labels_.nextChar, name, next);
}

void PreviewView::drawCharacterLine(const GlFrame& frame, int penY, const std::string& label, const NameText& name,
    int at)
{
    const bool code = isGameColourCode(name, at);
    const unsigned char shown = name.at(code ? at + 1 : at);
    const ColourRgb lineColour = code ? gameCodeColour(shown) : kWhite;
    std::string text = label + (code ? "-> ^" : "-> ");
    // The glyph is drawn as it is, never read as an escape; past the name there is none.
    std::string glyph = shown != 0 ? std::string(1, static_cast<char>(shown)) : std::string();
    // The line, glyph included, is cut to the length of a label.
    if (text.size() >= kLongestText) {
        text.resize(kLongestText);
        glyph.clear();
    }
    font_.colour = {lineColour.red, lineColour.green, lineColour.blue, 1.0f};
    font_.size = 12;
    font_.shadow = false;
    font_.drawLabel(frame, kNamePenX, penY, text, glyph);
}

void PreviewView::drawLimitNotice(const GlFrame& frame)
{
    const float half = static_cast<float>(frame.height()) * 0.5f;
    drawTranslucentBox(kInfoBoxColour, 271.0f, half + 48, 571.0f, half + 100);

    for (std::size_t line = 0; line < labels_.inGameLimit.size(); ++line) {
        font_.colour = kWhiteText;
        font_.size = 11;
        font_.shadow = false;
        font_.drawLabel(frame, 272, integerPart(half - 65.0f - 15.0f * static_cast<float>(line)),
            labels_.inGameLimit[line]);
    }
}

void PreviewView::drawServerName(const GlFrame& frame, const NameText& serverName)
{
    const float half = static_cast<float>(frame.height()) * 0.5f;
    font_.colour = kWhiteText;
    font_.size = 12;
    font_.shadow = true;
    font_.shadowColour = kBlackShadow;
    font_.drawLabel(frame, kNamePenX, integerPart(half + 52), labels_.serverName);
    drawName(frame, integerPart(half + 30), serverName);
}

} // namespace glimtags
