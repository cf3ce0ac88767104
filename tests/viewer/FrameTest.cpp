#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/GlPainter.h"
#include "testsupport/OffscreenGl.h"
#include "viewer/PictureKeeper.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"
#include "viewer/Trajectory.h"
#include "viewer/ViewerCore.h"

namespace {

std::vector<OffscreenGl::Rgba> allPixels(OffscreenGl& gl) {
    std::vector<OffscreenGl::Rgba> p;
    for (int y = 0; y < gl.height(); ++y)
        for (int x = 0; x < gl.width(); ++x) p.push_back(gl.pixel(x, y));
    return p;
}

// A few overlapping translucent quads: a picture with many colours.
void drawPattern() {
    glBegin(GL_QUADS);
    for (int i = 0; i < 6; ++i) {
        double const a = -0.9 + 0.25 * i;
        glColor4d(0.15 * i, 1.0 - 0.13 * i, 0.5, 0.7);
        glVertex2d(a, a);
        glVertex2d(a + 0.6, a);
        glVertex2d(a + 0.6, a + 0.9);
        glVertex2d(a, a + 0.9);
    }
    glEnd();
}

TEST(PictureKeeper, RestoresTheKeptPictureExactly) {
    OffscreenGl gl(61, 37);  // odd sizes: the texture is larger than the picture
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    drawPattern();
    std::vector<OffscreenGl::Rgba> const picture = allPixels(gl);

    PictureKeeper keeper;
    EXPECT_FALSE(keeper.holdsPicture());
    keeper.restore(61, 37);  // nothing kept yet: nothing drawn
    EXPECT_EQ(allPixels(gl), picture);
    keeper.keep(61, 37);
    EXPECT_TRUE(keeper.holdsPicture());

    gl.clear(1, 0, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glRotated(30, 0, 0, 1);  // a matrix the restore must not use or change
    keeper.restore(61, 37);
    EXPECT_EQ(allPixels(gl), picture);

    // The GL state is as it was.
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    EXPECT_EQ(OffscreenGl::projectionDepth(), 1);
    EXPECT_EQ(OffscreenGl::modelviewDepth(), 1);
    GLboolean depthWrite = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrite);
    EXPECT_TRUE(depthWrite);

    // After a size change the old picture is not painted.
    gl.clear(1, 0, 1, 1);
    keeper.restore(60, 37);
    EXPECT_EQ(gl.pixel(30, 18), (OffscreenGl::Rgba{255, 0, 255, 255}));
    keeper.release();
    EXPECT_FALSE(keeper.holdsPicture());
}

// Draws the points both ways and compares the pictures.
void expectSameStrip(std::vector<Vect> const& points) {
    Trajectory t;
    for (Vect const& p : points) t.append(p);
    ASSERT_EQ(t.size(), points.size());
    OffscreenGl gl(64, 64);
    glLineWidth(2.0f);
    glColor4d(0.5, 1.0, 1.0, 1.0);
    gl.clear();
    glBegin(GL_LINE_STRIP);
    for (Vect const& v : points) glVertex3d(v.get(0), v.get(1), v.get(2));
    glEnd();
    std::vector<OffscreenGl::Rgba> const immediate = allPixels(gl);
    gl.clear();
    t.draw();
    EXPECT_EQ(allPixels(gl), immediate);
    EXPECT_GT(gl.count([](OffscreenGl::Rgba p) { return p[1] == 255; }), 100);
    // The vertex array is switched off again.
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
}

TEST(Trajectory, DrawsTheSameStripAsOneVertexPerPoint) {
    std::vector<Vect> points;
    for (int i = 0; i < 200; ++i)
        points.push_back(Vect{std::cos(i * 0.1) * (0.2 + 0.004 * i), std::sin(i * 0.13) * 0.8, 0.01 * i});
    expectSameStrip(points);
}

TEST(Trajectory, LongPathsKeepEverySegment) {
    // Long paths are drawn in pieces of 65536 points: the segments across
    // the joints (A to B to C, C to D to A) must all be there.
    Vect const A{-0.8, -0.8, 0}, B{0.8, 0.8, 0}, C{0.8, -0.8, 0}, D{-0.8, 0.8, 0};
    std::vector<Vect> points(140000, A);
    points[65535] = B;
    for (int i = 65536; i < 131070; ++i) points[i] = C;
    points[131070] = D;
    expectSameStrip(points);
}

TEST(Trajectory, EmptyPathDrawsNothing) {
    OffscreenGl gl(16, 16);
    gl.clear();
    Trajectory().draw();
    EXPECT_EQ(gl.count([](OffscreenGl::Rgba p) { return p[1] != 0; }), 0);
}

class PaintTest : public ::testing::Test {
protected:
    GlPainter glPainter;
    PainterScope const drawWithGl{glPainter};

    // The canvas's fixed GL state.
    static void viewerState() {
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    static int red(OffscreenGl& gl) {
        return gl.count([](OffscreenGl::Rgba p) { return p[0] > 90 && p[1] < 64 && p[2] < 64; });
    }
    static int cyan(OffscreenGl& gl) {
        return gl.count([](OffscreenGl::Rgba p) { return p[0] < 30 && p[1] > 200 && p[2] > 200; });
    }
};

TEST_F(PaintTest, StereoGivesSeparateRedAndCyanImages) {
    OffscreenGl gl(320, 180);
    ViewerCore core(FrontEnd::current(), std::make_unique<TracedScene>(buildPendulumScene));
    viewerState();
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    for (int i = 0; i < 10; ++i) core.paint(320, 180);
    EXPECT_EQ(red(gl), 0);
    EXPECT_EQ(cyan(gl), 0);
    // The welcome text in (0.5, 1, 1).
    EXPECT_GT(gl.count([](OffscreenGl::Rgba p) { return p[0] > 100 && p[1] > 230 && p[2] > 230; }), 200);
    core.keyDown('I', true, false);
    for (int i = 0; i < 10; ++i) core.paint(320, 180);
    EXPECT_GT(red(gl), 50);
    EXPECT_GT(cyan(gl), 50);
    GLboolean mask[4] = {};
    glGetBooleanv(GL_COLOR_WRITEMASK, mask);
    EXPECT_TRUE(mask[0] && mask[1] && mask[2] && mask[3]);
}

TEST_F(PaintTest, TracedPathsAreDrawnInPaleCyan) {
    OffscreenGl gl(320, 180);
    ViewerCore core(FrontEnd::current(), std::make_unique<TracedScene>(buildPendulumScene));
    viewerState();
    core.keyDown('P', true, false);
    for (int i = 0; i < 30; ++i) core.tick(20);
    // The eye at (30, 0, 0): the paths ahead, the welcome text behind.
    core.camera.setX(Vect{-30, 0, 0});
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    core.paint(320, 180);
    EXPECT_GT(gl.count([](OffscreenGl::Rgba p) { return p[0] > 110 && p[0] < 150 && p[1] > 245 && p[2] > 245; }), 100);
}

TEST_F(PaintTest, TrailsFadeFromTheKeptPicture) {
    OffscreenGl gl(160, 90);
    ViewerCore core(FrontEnd::current(), std::make_unique<TracedScene>(buildLightScene));
    viewerState();
    gl.clear(1, 1, 1, 1);
    core.paint(160, 90);
    EXPECT_TRUE(core.picture.holdsPicture());
    // A corner far from everything drawn: white blended towards the
    // background by 0.7 per frame.
    OffscreenGl::Rgba const first = gl.pixel(2, 2);
    EXPECT_NEAR(first[0], 0.3 * 255 + 0.7 * 0.03 * 255, 2);
    // The buffer is wiped between frames, as a swap may do: the kept
    // picture carries the trail on.
    gl.clear(0, 0, 0, 0);
    core.paint(160, 90);
    OffscreenGl::Rgba const second = gl.pixel(2, 2);
    EXPECT_NEAR(second[0], 0.3 * first[0] + 0.7 * 0.03 * 255, 2);
    EXPECT_NEAR(second[1], 0.3 * first[1] + 0.7 * 0.16 * 255, 2);
}

}  // namespace
