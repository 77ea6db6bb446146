#include "render/gl_frame.h"

namespace glimtags {

GlFrame::GlFrame(int width, int height)
    : width_(width)
    , height_(height)
{
    // Backup GL state
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &saved_.texture);
    glGetIntegerv(GL_POLYGON_MODE, saved_.polygonModes.data());
    glGetIntegerv(GL_VIEWPORT, saved_.viewport.data());
    glGetIntegerv(GL_SCISSOR_BOX, saved_.scissorBox.data());
    glGetIntegerv(GL_SHADE_MODEL, &saved_.shadeModel);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &saved_.textureEnvironment);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);

    // Setup desired GL state
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LINE_STIPPLE);
    glEnable(GL_SCISSOR_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glViewport(0, 0, width, height);
    scissorWholeFrame();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

GlFrame::~GlFrame()
{
    // Restore modified GL state
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(saved_.texture));
    glPolygonMode(GL_FRONT, static_cast<GLenum>(saved_.polygonModes[0]));
    glPolygonMode(GL_BACK, static_cast<GLenum>(saved_.polygonModes[1]));
    glViewport(saved_.viewport[0], saved_.viewport[1], saved_.viewport[2], saved_.viewport[3]);
    glScissor(saved_.scissorBox[0], saved_.scissorBox[1], saved_.scissorBox[2], saved_.scissorBox[3]);
    glShadeModel(static_cast<GLenum>(saved_.shadeModel));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, saved_.textureEnvironment);
}

void GlFrame::scissorWholeFrame() const
{
    glScissor(0, 0, width_, height_);
}

} // namespace glimtags
