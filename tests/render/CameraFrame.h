#pragma once

#include <GL/gl.h>

#include "render/Camera.h"
#include "testsupport/OffscreenGl.h"

// A 160 x 90 picture (the camera's 16:9) in the viewers' GL state, black
// before the first frame. frame() runs the start of a paint: depth cleared,
// identity modelview, then look(). For a camera at rest at the origin, the
// eye-frame point (x, y, z) lands on pixel (W/2 - W/2 y / (x aspect),
// H/2 + H/2 z / x) with the initial 90-degree field of view.
class CameraFrame {
public:
    static constexpr int W = 160;
    static constexpr int H = 90;

    CameraFrame() : gl(W, H) {
        OffscreenGl::viewerState();
        gl.clear();
    }

    void frame(Camera& camera) {
        glClear(GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        camera.look();
    }

    OffscreenGl gl;
};
