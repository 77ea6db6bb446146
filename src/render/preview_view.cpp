#include "render/preview_view.h"


#include <array>
#include <cstdio>
#include <utility>

namespace glimtags {
namespace {

// Labels and notices are drawn from buffers of this many bytes at most.
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
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(colour[0], colour[1], colour[2], colour[3]);
    glBegin(GL_QUADS);
    vertex(x1, y1);
    vertex(x1, y2);
    vertex(x2, y2);
    vertex(x2, y1);
    glEnd();
    glDisable(GL_BLEND);
}

// The look of the name, its cursor and the too-long notice: 16-pixel glyphs over a black shadow.
void useShadowedGlyphs(BitmapFont& font, const Rgba& colour)
{
    font.colour = colour;
    font.size = kNameGlyphSize;
    font.shadow = true;
    font.shadowColour = kBlackShadow;
}

std::string cut(std::string text)
{
    if (text.size() > kLongestText)
        text.resize(kLongestText);
    return text;
}

} // namespace

void PreviewView::startScene(int width, int height)
{
    width_ = width;
    height_ = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.463f, 0.706f, 0.557f, 1.0f);
}

bool PreviewView::setFont(const TgaImage& sheet)
{
    return font_.createFont(sheet);
}

bool PreviewView::setBackground(const TgaImage& picture)
{
    if (backgroundTexture_ != 0)
        glDeleteTextures(1, &backgroundTexture_);
    glGenTextures(1, &backgroundTexture_);
    picture.upload(backgroundTexture_);
    backgroundShown_ = !picture.pixels.empty();
    return backgroundShown_;
}

void PreviewView::setLabels(PreviewLabels labels)
{
    for (std::string* text : {&labels.previousChar, &labels.currentChar, &labels.nextChar, &labels.inGameLimit[0],
                              &labels.inGameLimit[1], &labels.inGameLimit[2], &labels.nameLonger, &labels.serverName})
        *text = cut(std::move(*text));
    labels_ = std::move(labels);
}

void PreviewView::renderFrame(const NameText& name, int width, int height, bool nameLonger, bool enableStripe)
{
    const float halfWidth = static_cast<float>(width) * 0.5f;
    const float half = static_cast<float>(height) * 0.5f;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glOrtho(0, width, height, 0, -9999, 9999);

    // Without a picture the clear colour shows; an empty texture would draw a white sheet
    // that hides the white text.
    if (backgroundShown_) {
        // Texture row 0 is the bottom of a Targa picture, so t runs from 0 at the top to -1 below.
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glBindTexture(GL_TEXTURE_2D, backgroundTexture_);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2i(0, 0);
        glTexCoord2f(0.0f, -1.0f);
        glVertex2i(0, height);
        glTexCoord2f(1.0f, -1.0f);
        glVertex2i(width, height);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2i(width, 0);
        glEnd();
    }

    if (nameLonger) {
        drawTranslucentBox(kBandColour, integerPart(halfWidth - 176), integerPart(half + 1), integerPart(halfWidth + 176),
            integerPart(half - 17));
        useShadowedGlyphs(font_, kNoticeText);
        font_.drawText(integerPart(halfWidth - 176), integerPart(half), "%s", labels_.nameLonger.c_str());
        return;
    }

    if (enableStripe && !name.empty()) {
        const int right = kNameGlyphSize * visibleLength(name) + 14;
        drawTranslucentBox(kStripeColour, 7, integerPart(half - 20), right, integerPart(half + 5));
    }

    int penX = kNamePenX;
    walkColours(name, [&](unsigned char byte, ColourRgb colour) {
        useShadowedGlyphs(font_, {colour.red, colour.green, colour.blue, 1.0f});
        font_.drawText(penX, integerPart(half), "%c", byte);
        penX += kNameGlyphSize;
    });
}

void PreviewView::drawSelection(int startColumn, int endColumn)
{
    if (endColumn - startColumn <= 0)
        return;
    drawTranslucentBox(kSelectionColour, kNameGlyphSize * startColumn + 8, integerPart(halfHeight() - 20),
        kNameGlyphSize * endColumn + 12, integerPart(halfHeight() + 5));
}

void PreviewView::drawTextCursor(int column)
{
    useShadowedGlyphs(font_, kWhiteText);
    font_.drawText(kNameGlyphSize * column + kNamePenX, integerPart(halfHeight() - 5), "%c", kCursorGlyph);
}

void PreviewView::drawLimitGuide()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(5, 0x5555);
    glLineWidth(1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex2i(kGuideX, 0);
    glVertex2i(kGuideX, height_);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void PreviewView::drawCharacterInfo(const NameText& name, int caret)
{
    const float half = halfHeight();
    drawTranslucentBox(kInfoBoxColour, 5.0f, half + 48, 265.0f, half + 100);

    const int previousY = integerPart(half - 65);
    if (startsCode(name, caret - 2))
        drawCharacterLine(previousY, labels_.previousChar, true, name.at(caret - 1), codeColour(name.at(caret - 1)));
    else
        drawCharacterLine(previousY, labels_.previousChar, false, name.at(caret - 1), kWhite);

    const int currentY = integerPart(half - 80);
    if (startsCode(name, caret))
        drawCharacterLine(currentY, labels_.currentChar, true, name.at(caret + 1), codeColour(name.at(caret + 1)));
    else
        drawCharacterLine(currentY, labels_.currentChar, false, name.at(caret), kWhite);

    const int nextY = integerPart(half - 95);
    if (startsCode(name, caret))
        drawCharacterLine(nextY, labels_.nextChar, false, name.at(caret + 2), kWhite);
    else if (startsCode(name, caret + 1))
        drawCharacterLine(nextY, labels_.nextChar, true, name.at(caret + 2), codeColour(name.at(caret + 2)));
    else
        drawCharacterLine(nextY, labels_.nextChar, false, name.at(caret + 1), kWhite);
}

void PreviewView::drawCharacterLine(int penY, const std::string& label, bool asCode, unsigned char shown,
    ColourRgb lineColour)
{
    // A shown byte 0 ends the composed text right there.
    std::array<char, kLongestText + 1> line{};
    std::snprintf(line.data(), line.size(), asCode ? "%s-> ^%c" : "%s-> %c", label.c_str(), shown);
    font_.colour = {lineColour.red, lineColour.green, lineColour.blue, 1.0f};
    font_.size = 12;
    font_.shadow = false;
    font_.drawText(kNamePenX, penY, "%s", line.data());
}

void PreviewView::drawLimitNotice()
{
    const float half = halfHeight();
    drawTranslucentBox(kInfoBoxColour, 271.0f, half + 48, 571.0f, half + 100);

    for (std::size_t line = 0; line < labels_.inGameLimit.size(); ++line) {
        font_.colour = kWhiteText;
        font_.size = 11;
        font_.shadow = false;
        font_.drawText(272, integerPart(half - 65.0f - 15.0f * static_cast<float>(line)), "%s",
            labels_.inGameLimit[line].c_str());
    }
}

void PreviewView::drawServerName(const NameText& serverName)
{
    const float half = halfHeight();
    font_.colour = kWhiteText;
    font_.size = 12;
    font_.shadow = true;
    font_.shadowColour = kBlackShadow;
    font_.drawText(kNamePenX, integerPart(half + 52), "%s", labels_.serverName.c_str());
    int penX = kNamePenX;
    walkGameColours(serverName, [&](unsigned char byte, ColourRgb colour) {
        useShadowedGlyphs(font_, {colour.red, colour.green, colour.blue, 1.0f});
        font_.drawText(penX, integerPart(half + 30), "%c", byte);
        penX += kNameGlyphSize;
    });
}

} // namespace glimtags
