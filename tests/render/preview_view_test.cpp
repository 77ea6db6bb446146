#include "preview_fixture.h"

#include <array>
#include <string>
#include <vector>

using glimtags::ColourRgb;
using glimtags::kWhite;
using glimtags::NameText;
using glimtags::test::areaIs;
using glimtags::test::cellColour;
using glimtags::test::glyphAt;
using glimtags::test::kBlack;
using glimtags::test::kNamePenY;
using glimtags::test::kPreviewHeight;
using glimtags::test::kPreviewWidth;
using glimtags::test::Pixel;
using glimtags::test::pixelNear;
using glimtags::test::Snapshot;

namespace {

constexpr ColourRgb kRed{1, 0, 0};
constexpr ColourRgb kGreen{0, 1, 0};
constexpr ColourRgb kYellow{1, 1, 0};
constexpr ColourRgb kCyan{0, 1, 1};

} // namespace

class PreviewScene : public glimtags::test::PreviewTest {
protected:
    void frame(const std::string& name, bool nameLonger = false, bool stripe = false)
    {
        view.renderFrame(NameText(name), kPreviewWidth, kPreviewHeight, nameLonger, stripe);
    }

    const Pixel kStripe = over(kBackground, 0.5f, 0.5f, 0.5f, 0.65f);
    const Pixel kBand = over(kBackground, 1, 0, 0, 0.6f);
    const Pixel kSelection = over(kBackground, 0.733f, 0.988f, 1.0f, 0.3f);
    const Pixel kInfoBox = over(kBackground, 0.5f, 0.5f, 0.5f, 0.5f);
};

TEST_F(PreviewScene, InitSceneSetsViewportClearColourAndIdentity)
{
    glViewport(1, 2, 3, 4);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(5, 6, 7);
    glMatrixMode(GL_PROJECTION);
    ASSERT_EQ(view.initScene(kPreviewWidth, kPreviewHeight, dir.path("back.tga"), dir.path("test.lan")), 0);

    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::array<GLint, 4>{0, 0, kPreviewWidth, kPreviewHeight}));
    std::array<GLfloat, 4> clear{};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
    EXPECT_EQ(clear, (std::array<GLfloat, 4>{0.463f, 0.706f, 0.557f, 1.0f}));
    std::array<GLfloat, 16> modelview{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    EXPECT_EQ(modelview, (std::array<GLfloat, 16>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(PreviewScene, FailedBackgroundStillTakesTheTexts)
{
    writeLanguage("other.lan", "pcnxyzl");
    EXPECT_EQ(view.initScene(kPreviewWidth, kPreviewHeight, dir.path("missing.tga"), dir.path("other.lan")), 1);
    frame("");
    view.drawLimitNotice();
    EXPECT_TRUE(glimtags::test::smallGlyphAt(gl.snapshot(), 272, 49, 11, 'x', kWhite));
}

TEST_F(PreviewScene, BackgroundStandsUprightOverTheWholePreview)
{
    ASSERT_EQ(glimtags::test::writeTwoTonePicture(dir, "two.tga", {255, 0, 0}, {0, 0, 255}), dir.path("two.tga"));
    ASSERT_EQ(view.initScene(kPreviewWidth, kPreviewHeight, dir.path("two.tga"), dir.path("test.lan")), 0);
    frame("");
    const Snapshot s = gl.snapshot();
    // Linear filtering with repeat wrapping blends the outermost rows; the rest is plain.
    EXPECT_TRUE(areaIs(s, 0, kPreviewHeight - 100, kPreviewWidth, kPreviewHeight - 4, {255, 0, 0}));
    EXPECT_TRUE(areaIs(s, 0, 4, kPreviewWidth, 100, {0, 0, 255}));
}

TEST_F(PreviewScene, EmptyNameShowsOnlyTheBackground)
{
    frame("", false, true);
    EXPECT_TRUE(areaIs(gl.snapshot(), 0, 0, kPreviewWidth, kPreviewHeight, kBackground));
}

TEST_F(PreviewScene, NameGlyphsInTheColoursOfTheirCodes)
{
    frame("^1A^2B");
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, kNamePenY, 'A', kRed));
    EXPECT_TRUE(glyphAt(s, 26, kNamePenY, 'B', kGreen));
    // A black shadow one up and one right shows through each hole.
    EXPECT_TRUE(pixelNear(s.pixel(13, kNamePenY + 3), kBlack));
    EXPECT_TRUE(pixelNear(s.pixel(14, kNamePenY + 4), kBackground));
    EXPECT_TRUE(areaIs(s, 42, kNamePenY, 60, kNamePenY + 17, kBackground));
    // No stripe unless asked for.
    EXPECT_TRUE(pixelNear(s.shapePixel(7, 94), kBackground));
}

TEST_F(PreviewScene, StripeSpansFromSevenToPastTheLastGlyph)
{
    frame("^1A^2B", false, true);
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, kNamePenY, 'A', kRed));
    // Stripe x 7 to 46, y 94 to 119: probe its edges away from the glyphs.
    for (const int y : {94, 97, 115, 118}) {
        EXPECT_TRUE(pixelNear(s.shapePixel(6, y), kBackground)) << y;
        EXPECT_TRUE(pixelNear(s.shapePixel(7, y), kStripe)) << y;
        EXPECT_TRUE(pixelNear(s.shapePixel(45, y), kStripe)) << y;
        EXPECT_TRUE(pixelNear(s.shapePixel(46, y), kBackground)) << y;
    }
    EXPECT_TRUE(pixelNear(s.shapePixel(20, 93), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(20, 119), kBackground));
}

TEST_F(PreviewScene, SpecialBytesLeaveTheirCellsEmptyAndThePenMovesOn)
{
    frame("%\\\t\nA");
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glyphAt(s, 10, kNamePenY, '%', kWhite));
    EXPECT_TRUE(areaIs(s, 26, kNamePenY, 74, kNamePenY + 16, kBackground));
    EXPECT_TRUE(glyphAt(s, 74, kNamePenY, 'A', kWhite));
}

TEST_F(PreviewScene, TooLongNameShowsTheBandAndNoticeInstead)
{
    frame(std::string(36, 'A'), true, true);
    const Snapshot s = gl.snapshot();
    // Band x 112 to 464, y 97 to 115.
    EXPECT_TRUE(pixelNear(s.shapePixel(111, 97), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(112, 97), kBand));
    EXPECT_TRUE(pixelNear(s.shapePixel(463, 97), kBand));
    EXPECT_TRUE(pixelNear(s.shapePixel(464, 97), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(400, 96), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(400, 114), kBand));
    EXPECT_TRUE(pixelNear(s.shapePixel(400, 115), kBackground));
    EXPECT_TRUE(glyphAt(s, 112, kNamePenY, 'L', kYellow));
    // Neither the name nor the stripe.
    EXPECT_TRUE(areaIs(s, 0, kNamePenY - 20, 112, kNamePenY + 30, kBackground));
}

TEST_F(PreviewScene, SelectionNeedsAnEndColumnPastTheStart)
{
    frame("ABC");
    const Snapshot before = gl.snapshot();
    view.drawSelection(3, 3);
    view.drawSelection(2, 1);
    EXPECT_TRUE(gl.snapshot() == before);

    view.drawSelection(1, 2);
    const Snapshot s = gl.snapshot();
    // Columns 1 to 2: x 24 to 44, y 94 to 119.
    EXPECT_TRUE(pixelNear(s.shapePixel(23, 95), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(24, 95), kSelection));
    EXPECT_TRUE(pixelNear(s.shapePixel(43, 118), kSelection));
    EXPECT_TRUE(pixelNear(s.shapePixel(44, 118), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(30, 93), kBackground));
    EXPECT_TRUE(pixelNear(s.shapePixel(30, 119), kBackground));
}

TEST_F(PreviewScene, TextCursorStandsFivePixelsBelowTheGlyphCell)
{
    for (const int column : {0, 2, -1}) {
        frame("");
        view.drawTextCursor(column);
        const Snapshot s = gl.snapshot();
        const int x = 16 * column + 10;
        if (x >= 0)
            EXPECT_TRUE(glyphAt(s, x, kNamePenY - 5, '_', kWhite)) << column;
        else
            EXPECT_TRUE(pixelNear(s.pixel(x + 15, kNamePenY - 5), cellColour('_', kWhite))) << column;
    }
}

TEST_F(PreviewScene, GuideIsAWhiteDottedLineAtX267)
{
    // Whatever was drawn before: here texturing stays on after the cursor, and blending
    // that keeps the old colour.
    frame("^1ABCDEFGHIJKLMNOPQRS");
    view.drawTextCursor(16);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE);
    view.drawLimitGuide();
    const Snapshot s = gl.snapshot();
    // A line through x 267 lies on the border of pixel columns 266 and 267; Mesa lights column 266.
    for (int y = 0; y < kPreviewHeight; ++y) {
        const bool dot = (y / 5) % 2 == 0;
        if (dot)
            EXPECT_TRUE(pixelNear(s.shapePixel(266, y), {255, 255, 255}, 0)) << y;
        else
            EXPECT_FALSE(pixelNear(s.shapePixel(266, y), {255, 255, 255}, 0)) << y;
    }
    EXPECT_FALSE(pixelNear(s.shapePixel(265, 0), {255, 255, 255}, 0));
    EXPECT_FALSE(pixelNear(s.shapePixel(267, 0), {255, 255, 255}, 0));
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
}

TEST_F(PreviewScene, CharacterInformationAroundTheCaret)
{
    struct Line {
        std::string text;
        ColourRgb colour;
    };
    struct Case {
        std::string name;
        int caret;
        Line previous;
        Line current;
        Line next;
    };
    const std::vector<Case> cases = {
        {"a^3b", 1, {"P-> a", kWhite}, {"C-> ^3", kYellow}, {"N-> b", kWhite}},
        {"^5ab", 2, {"P-> ^5", kCyan}, {"C-> a", kWhite}, {"N-> b", kWhite}},
        {"ab", 0, {"P-> ", kWhite}, {"C-> a", kWhite}, {"N-> b", kWhite}},
        {"^3^1", 0, {"P-> ", kWhite}, {"C-> ^3", kYellow}, {"N-> ^", kWhite}},
        {"a^2b", 0, {"P-> ", kWhite}, {"C-> a", kWhite}, {"N-> ^2", kGreen}},
        {"ab", 2, {"P-> b", kWhite}, {"C-> ", kWhite}, {"N-> ", kWhite}},
    };
    for (const Case& c : cases) {
        frame(c.name);
        view.drawCharacterInfo(NameText(c.name), c.caret);
        const Snapshot s = gl.snapshot();
        const std::array<std::pair<int, const Line*>, 3> lines{{{49, &c.previous}, {34, &c.current}, {19, &c.next}}};
        for (const auto& [penY, line] : lines) {
            int x = 10;
            for (const char byte : line->text) {
                EXPECT_TRUE(glimtags::test::smallGlyphAt(s, x, penY, 12, static_cast<unsigned char>(byte), line->colour))
                    << c.name << " caret " << c.caret << ": " << line->text;
                x += 12;
            }
            EXPECT_TRUE(pixelNear(s.pixel(x + 1, penY + 1), kInfoBox)) << c.name << ": nothing after " << line->text;
        }
    }
}

TEST_F(PreviewScene, InformationAndNoticeBoxes)
{
    frame("");
    view.drawCharacterInfo(NameText(""), 0);
    view.drawLimitNotice();
    const Snapshot s = gl.snapshot();
    // Character information x 5 to 265, notice x 271 to 571, both y 162 to 214.
    for (const auto& [left, right] : {std::pair{5, 265}, std::pair{271, 571}}) {
        EXPECT_TRUE(pixelNear(s.shapePixel(left - 1, 200), kBackground)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(left, 200), kInfoBox)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(right - 1, 162), kInfoBox)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(right - 1, 213), kInfoBox)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(right, 200), kBackground)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(right - 5, 161), kBackground)) << left;
        EXPECT_TRUE(pixelNear(s.shapePixel(right - 5, 214), kBackground)) << left;
    }
    EXPECT_TRUE(glimtags::test::smallGlyphAt(s, 272, 49, 11, 'X', kWhite));
    EXPECT_TRUE(glimtags::test::smallGlyphAt(s, 272, 34, 11, 'Y', kWhite));
    EXPECT_TRUE(glimtags::test::smallGlyphAt(s, 272, 19, 11, 'Z', kWhite));
    EXPECT_TRUE(pixelNear(s.pixel(272 + 11 + 1, 50), kInfoBox));
}
