#include "render/backdrop.h"

namespace glimtags {
namespace {

// OpenGL 1.1 textures have sides of powers of two.
int powerOfTwoAtLeast(int side)
{
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}

void quad(int width, int height, GLfloat sRight, GLfloat tTop, GLfloat tBottom)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, tTop);
    glVertex2i(0, 0);
    glTexCoord2f(0.0f, tBottom);
    glVertex2i(0, height);
    glTexCoord2f(sRight, tBottom);
    glVertex2i(width, height);
    glTexCoord2f(sRight, tTop);
    glVertex2i(width, 0);
    glEnd();
}

} // namespace

bool Backdrop::setPicture(const TgaImage& picture)
{
    if (picture_ != 0)
        glDeleteTextures(1, &picture_);
    glGenTextures(1, &picture_);
    picture.upload(picture_);
    shown_ = !picture.pixels.empty();
    copyWidth_ = copyHeight_ = 0;
    return shown_;
}

void Backdrop::draw(const GlFrame& frame)
{
    if (!shown_)
        return;
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(1.0f, 1.0f, 1.0f);
    if (copyWidth_ == frame.width() && copyHeight_ == frame.height()) {
        drawCopy(frame);
        return;
    }
    drawStretched(frame);
    keepCopy(frame);
}

void Backdrop::drawStretched(const GlFrame& frame) const
{
    // Texture row 0 is the bottom of a Targa picture, so t runs from 0 at the top to -1 below.
    glBindTexture(GL_TEXTURE_2D, picture_);
    quad(frame.width(), frame.height(), 1.0f, 0.0f, -1.0f);
}

void Backdrop::keepCopy(const GlFrame& frame)
{
    if (copy_ == 0)
        glGenTextures(1, &copy_);
    glBindTexture(GL_TEXTURE_2D, copy_);
    copyTextureWidth_ = powerOfTwoAtLeast(frame.width());
    copyTextureHeight_ = powerOfTwoAtLeast(frame.height());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, copyTextureWidth_, copyTextureHeight_, 0, GL_RGB, GL_UNSIGNED_BYTE,
        nullptr);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, frame.width(), frame.height());
    copyWidth_ = frame.width();
    copyHeight_ = frame.height();
}

void Backdrop::drawCopy(const GlFrame& frame) const
{
    // The copy's row 0 is the frame's bottom row; each pixel centre meets its own texel.
    glBindTexture(GL_TEXTURE_2D, copy_);
    quad(frame.width(), frame.height(), static_cast<GLfloat>(frame.width()) / static_cast<GLfloat>(copyTextureWidth_),
        static_cast<GLfloat>(frame.height()) / static_cast<GLfloat>(copyTextureHeight_), 0.0f);
}

} // namespace glimtags
