#include "render/PaintCycle.h"

#include <GL/gl.h>

#include <algorithm>

#include "render/Camera.h"

void PaintCycle::setUp() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0.03f, 0.16f, 0.18f, 0.0f);
    readLimits();
}

DrawLimits const& PaintCycle::readLimits() {
    if (limits_.maxWidth <= 0 || limits_.maxHeight <= 0) {
        GLint viewport[2] = {0, 0}, texture = 0;
        glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
        int const side = PictureKeeper::largestSide(texture);
        limits_ = DrawLimits{std::min(int(viewport[0]), side), std::min(int(viewport[1]), side)};
    }
    return limits_;
}

void PaintCycle::resize(int w, int h) {
    if (readLimits().fits(w, h)) glViewport(0, 0, w, h);
}

void PaintCycle::paint(int w, int h, Camera& camera, bool stereo, std::function<void()> const& pass) {
    if (!readLimits().fits(w, h)) return;
    largestArea_ = std::max(largestArea_, 1LL * w * h);
    // Set on every frame, not only on a size event: that event may come
    // before the GL window has its new size, and Mesa on a virtual display
    // only takes up a window's size when the viewport is set, so the picture
    // would stay at the old size, off-centre and ghosted.
    glViewport(0, 0, w, h);
    picture_.restore(w, h);
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.look();
    if (stereo) {
        camera.ApplyLeftFrustum();
        glColorMask(GL_TRUE, GL_FALSE, GL_FALSE, GL_FALSE);
        pass();
        glClear(GL_DEPTH_BUFFER_BIT);
        camera.ApplyRightFrustum();
        glColorMask(GL_FALSE, GL_TRUE, GL_TRUE, GL_FALSE);
        pass();
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    } else {
        pass();
    }
    picture_.keep(w, h);
    glFlush();
}

bool PaintCycle::wantsFreshContext(int w, int h) const {
    return largestArea_ > 4LL << 20 && largestArea_ > 4LL * w * h;
}

void PaintCycle::release() {
    picture_.release();
    largestArea_ = 0;
}
