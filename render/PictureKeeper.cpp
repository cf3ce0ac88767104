#include "render/PictureKeeper.h"

#include <GL/gl.h>

#include <type_traits>

static_assert(std::is_same<GLuint, unsigned>::value, "texture names are unsigned int");

namespace {

// Power-of-two texture sides, so that plain OpenGL 1.1 accepts them.
int powerOfTwoAbove(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// A texture side of a power of two fits the power of two a picture needs
// when it holds it and a side a quarter as long would not.
bool sideFits(int side, int need) { return side >= need && side < 4 * need; }

}  // namespace

int PictureKeeper::largestSide(int maxTextureSize) {
    int p = 1;
    while (p <= maxTextureSize / 2) p *= 2;
    return maxTextureSize < 1 ? 0 : p;
}

void PictureKeeper::restore(int w, int h) const {
    if (!held_ || w != w_ || h != h_ || w <= 0 || h <= 0) return;
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT |
                 GL_TRANSFORM_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // Texel (i, j) lands on pixel (i, j): nearest filtering, one quad over
    // the whole viewport.
    double const u = double(w) / texW_, v = double(h) / texH_;
    glBegin(GL_QUADS);
    glTexCoord2d(0, 0);
    glVertex2d(-1, -1);
    glTexCoord2d(u, 0);
    glVertex2d(1, -1);
    glTexCoord2d(u, v);
    glVertex2d(1, 1);
    glTexCoord2d(0, v);
    glVertex2d(-1, 1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void PictureKeeper::keep(int w, int h) {
    if (w <= 0 || h <= 0) return;
    if (maxSide_ == 0) {
        GLint max = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max);
        maxSide_ = largestSide(max);
    }
    if (w > maxSide_ || h > maxSide_) {
        release();
        return;
    }
    int const needW = powerOfTwoAbove(w), needH = powerOfTwoAbove(h);
    bool const remake = !sideFits(texW_, needW) || !sideFits(texH_, needH);
    // A new texture rather than new storage for the old one: the driver
    // may hold the old storage for as long as the texture lives.
    if (remake) release();
    glPushAttrib(GL_TEXTURE_BIT);
    if (texture_ == 0) glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (remake) {
        texW_ = needW;
        texH_ = needH;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, texW_, texH_, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);
    glPopAttrib();
    w_ = w;
    h_ = h;
    held_ = true;
}

void PictureKeeper::release() {
    if (texture_ != 0) glDeleteTextures(1, &texture_);
    texture_ = 0;
    texW_ = texH_ = w_ = h_ = 0;
    held_ = false;
}
