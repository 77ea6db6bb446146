#include "render/preview_paint.h"

#include "offscreen_gl.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr GLenum kSwitches[] = {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING, GL_SCISSOR_TEST, GL_BLEND, GL_CULL_FACE,
    GL_LINE_STIPPLE};
constexpr GLenum kArrays[] = {GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY};
constexpr GLenum kValues[] = {GL_POLYGON_MODE, GL_PROJECTION_MATRIX, GL_MODELVIEW_MATRIX, GL_MATRIX_MODE,
    GL_BLEND_SRC, GL_BLEND_DST, GL_TEXTURE_BINDING_2D, GL_SCISSOR_BOX, GL_VIEWPORT, GL_SHADE_MODEL,
    GL_CURRENT_COLOR, GL_LINE_WIDTH, GL_LINE_STIPPLE_PATTERN, GL_COLOR_CLEAR_VALUE};

// What a frame switches for its shapes and glyph lines.
std::vector<GLfloat> state()
{
    std::vector<GLfloat> values;
    for (const GLenum capability : kSwitches)
        values.push_back(glIsEnabled(capability));
    for (const GLenum array : kArrays)
        values.push_back(glIsEnabled(array));
    for (const GLenum item : kValues) {
        GLfloat value[16]{};
        glGetFloatv(item, value);
        values.insert(values.end(), value, value + 16);
    }
    GLfloat environment = 0;
    glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &environment);
    values.push_back(environment);
    return values;
}

} // namespace

TEST(GlFrameState, APaintPutsBackWhatItSwitches)
{
    const glimtags::tools::OffscreenGl gl(glimtags::kPreviewWidth, glimtags::kPreviewHeight);
    glimtags::TgaImage sheet;
    sheet.width = sheet.height = 16;
    sheet.pixelCount = 256;
    sheet.pixelFormat = GL_RGBA;
    sheet.pixels.assign(4 * 256, 255);
    glimtags::PreviewView view;
    ASSERT_TRUE(view.setFont(sheet));
    view.setLabels({"P", "C", "N", {"1", "2", "3"}, "long", "server"});
    glimtags::PreviewState preview = glimtags::previewStateFor(glimtags::NameText("^1A^!B\\C\tD^^E^8FGHIJKLMNOPQRST"));
    preview.serverName = glimtags::NameText("^1A");
    preview.selectionStart = 2;
    preview.selectionEnd = 6;
    preview.enableStripe = true;

    GLuint otherTexture = 0;
    glGenTextures(1, &otherTexture);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 5, -7, 9, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(4, 5, 0);
    for (const bool on : {false, true}) {
        glPolygonMode(GL_FRONT, on ? GL_LINE : GL_FILL);
        glPolygonMode(GL_BACK, on ? GL_POINT : GL_FILL);
        for (const GLenum capability : kSwitches)
            (on ? glEnable : glDisable)(capability);
        for (const GLenum array : kArrays)
            (on ? glEnableClientState : glDisableClientState)(array);
        glMatrixMode(on ? GL_PROJECTION : GL_MODELVIEW);
        glBlendFunc(on ? GL_ONE : GL_ZERO, on ? GL_ONE : GL_SRC_COLOR);
        glBindTexture(GL_TEXTURE_2D, on ? otherTexture : 0);
        glScissor(on ? 3 : 0, on ? 4 : 0, on ? 5 : 1, on ? 6 : 1);
        glViewport(on ? 7 : 0, on ? 8 : 0, on ? 9 : 10, on ? 10 : 11);
        glShadeModel(on ? GL_FLAT : GL_SMOOTH);
        glColor4f(0.25f, 0.5f, on ? 0.75f : 0.0f, 1.0f);
        glLineWidth(on ? 3.0f : 1.0f);
        glLineStipple(1, on ? 0x0f0f : 0xffff);
        glClearColor(0.0f, on ? 1.0f : 0.0f, 0.0f, 1.0f);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, on ? GL_REPLACE : GL_DECAL);
        const std::vector<GLfloat> before = state();
        glimtags::paintPreview(view, preview, glimtags::kPreviewWidth, glimtags::kPreviewHeight);
        EXPECT_EQ(state(), before) << (on ? "from on" : "from off");
    }
}
