#include "font_fixture.h"

#include <ostream>
#include <string>
#include <vector>

using glimtags::BitmapFont;
using glimtags::kWhite;
using glimtags::test::areaIs;
using glimtags::test::cellColour;
using glimtags::test::glyphAt;
using glimtags::test::kBlack;
using glimtags::test::pixelNear;
using glimtags::test::Pixel;
using glimtags::test::Snapshot;

namespace {

// The switches drawText changes and must put back.
struct GlState {
    std::array<GLint, 2> polygonModes{GL_FILL, GL_FILL};
    bool texturing = false;
    bool depthTest = false;
    bool lighting = false;
    bool scissorTest = false;
    bool blending = false;
    GLint matrixMode = GL_MODELVIEW;
    GLint blendSource = GL_ONE;
    GLint blendDestination = GL_ZERO;
};

void setSwitch(GLenum capability, bool on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

void apply(const GlState& state)
{
    glPolygonMode(GL_FRONT, static_cast<GLenum>(state.polygonModes[0]));
    glPolygonMode(GL_BACK, static_cast<GLenum>(state.polygonModes[1]));
    setSwitch(GL_TEXTURE_2D, state.texturing);
    setSwitch(GL_DEPTH_TEST, state.depthTest);
    setSwitch(GL_LIGHTING, state.lighting);
    setSwitch(GL_SCISSOR_TEST, state.scissorTest);
    setSwitch(GL_BLEND, state.blending);
    glBlendFunc(static_cast<GLenum>(state.blendSource), static_cast<GLenum>(state.blendDestination));
    glMatrixMode(static_cast<GLenum>(state.matrixMode));
}

GlState current()
{
    GlState state;
    glGetIntegerv(GL_POLYGON_MODE, state.polygonModes.data());
    state.texturing = glIsEnabled(GL_TEXTURE_2D);
    state.depthTest = glIsEnabled(GL_DEPTH_TEST);
    state.lighting = glIsEnabled(GL_LIGHTING);
    state.scissorTest = glIsEnabled(GL_SCISSOR_TEST);
    state.blending = glIsEnabled(GL_BLEND);
    glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
    glGetIntegerv(GL_BLEND_SRC, &state.blendSource);
    glGetIntegerv(GL_BLEND_DST, &state.blendDestination);
    return state;
}

std::array<GLfloat, 16> matrix(GLenum which)
{
    std::array<GLfloat, 16> values{};
    glGetFloatv(which, values.data());
    return values;
}

void expectSameState(const GlState& after, const GlState& before)
{
    EXPECT_EQ(after.polygonModes, before.polygonModes);
    EXPECT_EQ(after.texturing, before.texturing);
    EXPECT_EQ(after.depthTest, before.depthTest);
    EXPECT_EQ(after.lighting, before.lighting);
    EXPECT_EQ(after.scissorTest, before.scissorTest);
    EXPECT_EQ(after.blending, before.blending);
    EXPECT_EQ(after.matrixMode, before.matrixMode);
    EXPECT_EQ(after.blendSource, before.blendSource);
    EXPECT_EQ(after.blendDestination, before.blendDestination);
}

} // namespace

using BitmapFontState = glimtags::test::FontTest;

TEST_F(BitmapFontState, StyleIsBackAtItsDefaultsAfterEachCall)
{
    const BitmapFont defaults;
    const GLuint texture = font.texture;
    font.colour = {1, 0, 0, 0.5f};
    font.shadowColour = {0, 0, 1, 1};
    font.size = 16;
    font.shadow = true;
    font.slant = 3;
    font.bold = true;
    font.drawText(10, 100, "\\c(0 255 0)\\b+\\i+A");
    EXPECT_EQ(font.colour, defaults.colour);
    EXPECT_EQ(font.shadowColour, defaults.shadowColour);
    EXPECT_EQ(font.size, 12);
    EXPECT_FALSE(font.shadow);
    EXPECT_EQ(font.slant, 0);
    EXPECT_FALSE(font.bold);
    EXPECT_EQ(font.texture, texture);
    EXPECT_EQ(font.cellWidth, 0.0625f);
    EXPECT_EQ(font.rows, 16);
    EXPECT_EQ(font.columns, 16);

    // The next call, with nothing set, draws a plain white 12-pixel glyph.
    glClear(GL_COLOR_BUFFER_BIT);
    font.drawText(10, 100, "A");
    const Snapshot s = gl.snapshot();
    EXPECT_TRUE(glimtags::test::smallGlyphAt(s, 10, 100, 12, 'A', kWhite));
    // At 12 pixels the hole ends before local column 8; at 16 it would still be open there.
    EXPECT_TRUE(pixelNear(s.pixel(18, 105), cellColour('A', kWhite)));
    EXPECT_TRUE(pixelNear(s.pixel(15, 105), kBlack));
    EXPECT_EQ(scissorBox(), (std::array<GLint, 4>{10, 100, 12, 12}));
}

TEST_F(BitmapFontState, SwitchesItsStateForTheGlyphsAndPutsItBack)
{
    struct Case {
        const char* what;
        GlState state;
    };
    const std::vector<Case> cases = {
        {"defaults", GlState{}},
        {"everything switched", {{GL_LINE, GL_POINT}, true, true, true, true, true, GL_PROJECTION, GL_DST_COLOR, GL_ZERO}},
        {"mixed", {{GL_FILL, GL_LINE}, false, true, false, true, true, GL_TEXTURE, GL_ONE, GL_ONE}},
        {"mixed the other way", {{GL_POINT, GL_FILL}, true, false, true, false, false, GL_MODELVIEW, GL_SRC_COLOR,
                                    GL_DST_ALPHA}},
    };
    // A depth test that passes nothing, and lighting without lights, would hide or darken the glyph.
    glDepthFunc(GL_NEVER);
    glScissor(0, 0, glimtags::test::OffscreenGl::kWidth, glimtags::test::OffscreenGl::kHeight);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 5, -7, 9, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(4, 5, 0);
    const auto projection = matrix(GL_PROJECTION_MATRIX);
    const auto modelview = matrix(GL_MODELVIEW_MATRIX);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        apply(c.state);
        font.size = 16;
        font.drawText(10, 100, "A");
        expectSameState(current(), c.state);
        EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projection);
        EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview);
        apply(GlState{});
        EXPECT_TRUE(glyphAt(gl.snapshot(), 10, 100, 'A', kWhite, kBlack));
    }
}

TEST_F(BitmapFontState, MissingSheetDrawsSolidSquares)
{
    BitmapFont missing;
    EXPECT_EQ(missing.createFont(dir.path("none.tga")), 0);
    EXPECT_NE(missing.texture, 0u);
    missing.size = 16;
    missing.drawText(10, 100, "A");
    EXPECT_TRUE(areaIs(gl.snapshot(), 10, 100, 26, 116, {255, 255, 255}));
}

TEST_F(BitmapFontState, NarrowerSheetsAreWidenedToRgba)
{
    struct Case {
        int depth;
        Pixel hole;
    };
    // 24 bits: every texel opaque, so the hole shows the cell's colour; 8 bits: white, the byte as alpha.
    const std::vector<Case> cases = {{24, cellColour('A', kWhite)}, {8, kBlack}};
    for (const Case& c : cases) {
        BitmapFont narrow;
        ASSERT_EQ(narrow.createFont(glimtags::test::writeGlyphSheet(dir, "narrow.tga", c.depth)), 1);
        glClear(GL_COLOR_BUFFER_BIT);
        narrow.size = 16;
        narrow.drawText(10, 100, "A");
        EXPECT_TRUE(glyphAt(gl.snapshot(), 10, 100, 'A', kWhite, c.hole)) << c.depth << " bits";
    }
}

TEST_F(BitmapFontState, EachCreationMakesANewTexture)
{
    const GLuint first = font.texture;
    ASSERT_EQ(font.createFont(dir.path("font.tga")), 1);
    EXPECT_NE(font.texture, first);
    EXPECT_FALSE(glIsTexture(first));
    font.size = 16;
    font.drawText(10, 100, "A");
    EXPECT_TRUE(glyphAt(gl.snapshot(), 10, 100, 'A', kWhite, kBlack));
}
