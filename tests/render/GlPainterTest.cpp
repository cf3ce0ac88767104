#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/GlPainter.h"
#include "tests/render/OffscreenGl.h"

namespace {

// A 64 x 64 picture looking down the x axis onto the plane x = 0, which
// spans [-1, 1] x [-1, 1] in (y, z): world (0, y, z) lands on pixel
// (32 - 32 y, 32 + 32 z) (y grows to the left, as in the camera's eye frame).
class GlPainterTest : public ::testing::Test {
protected:
    GlPainterTest() : gl(64, 64) {
        gl.clear();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1, 1, -1, 1, -10, 10);
        gluLookAt(0, 0, 0, 1, 0, 0, 0, 0, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        projection = OffscreenGl::projectionDepth();
        modelview = OffscreenGl::modelviewDepth();
    }
    void expectStacksUnchanged() {
        EXPECT_EQ(OffscreenGl::projectionDepth(), projection);
        EXPECT_EQ(OffscreenGl::modelviewDepth(), modelview);
    }

    OffscreenGl gl;
    GlPainter painter;
    int projection = 0;
    int modelview = 0;
};

TEST_F(GlPainterTest, PointBodyIsAWhiteDotAtItsPosition) {
    painter.point(Vect{0, 0.5, -0.5});
    expectStacksUnchanged();
    EXPECT_EQ(gl.pixel(16, 16), (OffscreenGl::Rgba{255, 255, 255, 255}));
    EXPECT_EQ(gl.count([](OffscreenGl::Rgba p) { return p[0] > 0; }), 4);  // 2 x 2 pixels
}

}  // namespace
