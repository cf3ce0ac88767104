#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "render/GlPainter.h"
#include "testsupport/OffscreenGl.h"

namespace {

using Rgba = OffscreenGl::Rgba;

bool near(Rgba const& a, Rgba const& b, int tol = 1) {
    for (int i = 0; i < 4; ++i)
        if (std::abs(a[i] - b[i]) > tol) return false;
    return true;
}

// A 64 x 64 orthographic picture looking along +x (as the camera does) onto
// the square [-1, 1] x [-1, 1] of (y, z): world (x, y, z) lands on pixel
// (32 - 32 y, 32 + 32 z), y growing to the left. Depth test and blending as
// the viewers set them.
class GlPainterTest : public ::testing::Test {
protected:
    GlPainterTest() : gl(64, 64) {
        OffscreenGl::viewerState();
        gl.clear();
        glMatrixMode(GL_PROJECTION);
        glOrtho(-1, 1, -1, 1, -10, 10);
        gluLookAt(0, 0, 0, 1, 0, 0, 0, 0, 1);
        glMatrixMode(GL_MODELVIEW);
        projection = OffscreenGl::projectionDepth();
        modelview = OffscreenGl::modelviewDepth();
    }
    void expectStacksUnchanged() {
        EXPECT_EQ(OffscreenGl::projectionDepth(), projection);
        EXPECT_EQ(OffscreenGl::modelviewDepth(), modelview);
    }
    int lit() {
        return gl.count([](Rgba p) { return p[0] + p[1] + p[2] > 0; });
    }

    OffscreenGl gl;
    GlPainter painter;
    int projection = 0;
    int modelview = 0;
};

TEST_F(GlPainterTest, PointBodyIsATwoPixelWhiteDot) {
    painter.point(Vect{0, 0.5, -0.5});
    expectStacksUnchanged();
    EXPECT_EQ(gl.pixel(16, 16), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(gl.pixel(15, 15), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(lit(), 4);
}

TEST_F(GlPainterTest, BallShowsItsSolidColourInsideItsWireShell) {
    // Turned by 15 degrees about (0, 9, 12): the point facing the viewer
    // then lies between the shell's wires.
    painter.ball(Vect{0, 0.25, 0.25}, Vect{0, 9, 12}, 0.25);
    expectStacksUnchanged();
    EXPECT_TRUE(near(gl.pixel(24, 40), Rgba{179, 179, 0, 255})) << gl.pixel(24, 40)[0];
    // Drawn radius 2 r = 0.5: 16 pixels; nothing beyond it.
    EXPECT_NE(gl.pixel(24, 40 + 14), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(gl.pixel(24, 40 + 18), (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(gl.pixel(24 + 18, 40), (Rgba{0, 0, 0, 0}));
    // The translucent darker wires cross the solid sphere.
    int const wire = gl.count([](Rgba p) { return p[2] == 0 && p[0] > 60 && p[0] < 170; });
    EXPECT_GT(wire, 20);
}

TEST_F(GlPainterTest, UnturnedBallHasWiresThroughItsCentre) {
    painter.ball(Vect{0, 0, 0}, Vect(3u), 0.25);
    // Half the wire (0.2, 0.2, 0) over the solid (0.7, 0.7, 0).
    EXPECT_TRUE(near(gl.pixel(32, 32), Rgba{115, 115, 0, 191}, 2)) << gl.pixel(32, 32)[0];
    // The solid sphere, not only its shell, has radius 2 r (16 pixels): 12
    // pixels out it still shows (0.7, 0.7, 0), a wire alone being far darker.
    for (auto [x, y] : {std::pair{20, 32}, {44, 32}, {32, 20}, {32, 44}}) EXPECT_GT(gl.pixel(x, y)[0], 100) << x << y;
}

class SpringColour : public GlPainterTest {
protected:
    // The colour and opacity a spring writes, read with blending off.
    Rgba springAt(double k1, double L0) {
        glDisable(GL_BLEND);
        gl.clear();
        painter.spring(Vect{0, 0.5, 0.1}, Vect{0, -0.5, 0.1}, k1, L0);  // L = 1
        expectStacksUnchanged();
        return gl.pixel(32, 35);
    }
};

TEST_F(SpringColour, AtRestAlmostInvisibleWhite) { EXPECT_TRUE(near(springAt(3, 1), Rgba{255, 255, 255, 13})); }

TEST_F(SpringColour, StretchedOrCompressedTurnsYellowAndOpaque) {
    // d = (1 - 0.5) 2 = 1: f = 1 / sqrt(2).
    double const f = 1 / std::sqrt(2.0);
    Rgba const want{255, 255, int(std::lround((1 - f) * 255)), int(std::lround((f + 0.05) * 255))};
    EXPECT_TRUE(near(springAt(2, 0.5), want));
    EXPECT_TRUE(near(springAt(2, 1.5), want));
    Rgba const taut = springAt(1000, 0);
    EXPECT_LE(taut[2], 1);
    EXPECT_GE(taut[3], 254);
}

TEST_F(SpringColour, LineRunsBetweenTheTwoBodies) {
    glDisable(GL_BLEND);
    painter.spring(Vect{0, 0.5, 0.1}, Vect{0, -0.25, 0.1}, 1, 0.75);
    int const row = gl.count([](Rgba p) { return p[0] == 255; });
    EXPECT_GE(row, 2 * 23);
    EXPECT_LE(row, 2 * 25);
    EXPECT_EQ(gl.pixel(8, 35)[0], 0);
    EXPECT_EQ(gl.pixel(44, 35)[0], 0);
}

TEST_F(GlPainterTest, SystemFrameStaysInEffectForWhatFollows) {
    glPushMatrix();
    painter.systemFrame(Vect{0, 0.25, 0}, 2);
    painter.point(Vect{0, 0.25, 0});  // member at local (0, 0.25, 0): world y 0.75
    EXPECT_EQ(gl.pixel(8, 32), (Rgba{255, 255, 255, 255}));
    painter.systemFrame(Vect{0, -0.25, 0.25}, 1);  // a subsystem after it: nested
    painter.point(Vect(3u));                       // world (0, 0.25 - 0.5, 0.5)
    EXPECT_EQ(gl.pixel(40, 48), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(OffscreenGl::modelviewDepth(), modelview + 1);  // no push of its own
    glPopMatrix();
    EXPECT_EQ(lit(), 8);
}

TEST_F(GlPainterTest, InstalledPainterDrawsForTheEngine) {
    ::painter().point(Vect(3u));
    EXPECT_EQ(lit(), 0);  // the do-nothing painter
    PainterScope const drawWithGl(painter);
    ::painter().point(Vect(3u));
    EXPECT_EQ(lit(), 4);
}

}  // namespace
