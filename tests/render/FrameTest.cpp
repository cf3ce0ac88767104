#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "render/Camera.h"
#include "render/PaintCycle.h"
#include "render/PictureKeeper.h"
#include "render/Trajectory.h"
#include "testsupport/OffscreenGl.h"

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

    // After a size change, of the width or of the height alone, the old
    // picture is not painted.
    for (auto const& [w, h] : {std::pair{60, 37}, {61, 36}, {61, 38}}) {
        gl.clear(1, 0, 1, 1);
        keeper.restore(w, h);
        EXPECT_EQ(gl.count([](OffscreenGl::Rgba p) {
            return p != OffscreenGl::Rgba{255, 0, 255, 255};
        }),
                  0)
            << w << " x " << h;
    }
    keeper.release();
    EXPECT_FALSE(keeper.holdsPicture());
}

TEST(PictureKeeper, TextureFollowsThePictureSizeWithinTheLargestSide) {
    OffscreenGl gl(300, 300);
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    drawPattern();
    std::vector<OffscreenGl::Rgba> const picture = allPixels(gl);
    // {picture w, h, texture w, h}, kept in this order: grows, keeps a
    // texture up to four times too large, shrinks below that.
    int const rows[][4] = {{300, 300, 512, 512}, {200, 150, 512, 512}, {61, 37, 64, 64}, {61, 300, 64, 512},
                           {300, 300, 512, 512}, {300, 100, 512, 128}, {1, 1, 1, 1}};
    PictureKeeper keeper;
    for (auto const& r : rows) {
        keeper.keep(r[0], r[1]);
        EXPECT_EQ(keeper.textureWidth(), r[2]) << r[0] << " x " << r[1];
        EXPECT_EQ(keeper.textureHeight(), r[3]) << r[0] << " x " << r[1];
    }
    keeper.keep(300, 300);
    keeper.keep(61, 37);
    gl.clear(1, 0, 1, 1);
    glViewport(0, 0, 61, 37);
    keeper.restore(61, 37);
    std::vector<OffscreenGl::Rgba> const restored = allPixels(gl);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 61; ++x) ASSERT_EQ(restored[y * 300 + x], picture[y * 300 + x]) << x << ", " << y;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // A side beyond the largest texture (64 for a maximum of 100) is not
    // kept, and the texture is given back; the GL reports no error.
    PictureKeeper small(100);
    small.keep(64, 10);
    EXPECT_TRUE(small.holdsPicture());
    small.keep(65, 10);
    EXPECT_FALSE(small.holdsPicture());
    EXPECT_EQ(small.textureWidth(), 0);
    gl.clear(1, 0, 1, 1);
    small.restore(65, 10);
    EXPECT_EQ(gl.pixel(3, 3), (OffscreenGl::Rgba{255, 0, 255, 255}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    for (auto const& [max, side] : {std::pair{16384, 16384}, {10000, 8192}, {64, 64}, {1, 1}, {0, 0}, {-5, 0}})
        EXPECT_EQ(PictureKeeper::largestSide(max), side) << max;
}

TEST(PaintCycle, DrawsNothingBeyondTheDriversLimits) {
    OffscreenGl gl(64, 36);
    PaintCycle frame;
    EXPECT_FALSE(frame.limits().fits(1, 1));  // not read yet
    frame.setUp();
    DrawLimits const most = frame.limits();
    GLint viewport[2] = {0, 0}, texture = 0;
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    EXPECT_GE(most.maxWidth, 64);
    EXPECT_LE(most.maxWidth, std::min(viewport[0], texture));
    EXPECT_LE(most.maxHeight, std::min(viewport[1], texture));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_BLEND));

    Camera camera;
    int passes = 0;
    auto pass = [&passes] { ++passes; };
    gl.clear(1, 0, 1, 1);
    frame.paint(most.maxWidth + 1, 36, camera, false, pass);
    frame.paint(64, most.maxHeight + 1, camera, true, pass);
    frame.resize(most.maxWidth + 1, 36);
    EXPECT_EQ(passes, 0);
    EXPECT_FALSE(frame.picture().holdsPicture());
    EXPECT_EQ(gl.count([](OffscreenGl::Rgba p) { return p != OffscreenGl::Rgba{255, 0, 255, 255}; }), 0);
    GLint vp[4] = {};
    glGetIntegerv(GL_VIEWPORT, vp);
    EXPECT_EQ(vp[2], 64);

    // Within the limits: one pass in mono, two in stereo, the picture kept.
    frame.paint(64, 36, camera, false, pass);
    EXPECT_EQ(passes, 1);
    frame.paint(64, 36, camera, true, pass);
    EXPECT_EQ(passes, 3);
    EXPECT_TRUE(frame.picture().holdsPicture());
    EXPECT_GT(gl.count([](OffscreenGl::Rgba p) { return p != OffscreenGl::Rgba{255, 0, 255, 255}; }), 1000);

    // Exactly at the driver's largest viewport and texture sides: drawn,
    // into a viewport of that size; one pixel more is not.
    int const widest = std::min(viewport[0], texture), tallest = std::min(viewport[1], texture);
    for (auto const& [w, h] : {std::pair{widest, 36}, {64, tallest}}) {
        gl.clear(1, 0, 1, 1);
        passes = 0;
        frame.paint(w == widest ? w + 1 : w, h == tallest ? h + 1 : h, camera, false, pass);
        EXPECT_EQ(passes, 0);
        frame.paint(w, h, camera, false, pass);
        EXPECT_EQ(passes, 1) << w << " x " << h;
        glGetIntegerv(GL_VIEWPORT, vp);
        EXPECT_EQ(vp[2], w);
        EXPECT_EQ(vp[3], h);
        EXPECT_GT(gl.count([](OffscreenGl::Rgba p) { return p != OffscreenGl::Rgba{255, 0, 255, 255}; }), 1000);
    }

    // A fresh context pays once the largest drawable painted is above 4M
    // pixels and more than four times the new one; release() starts over.
    EXPECT_FALSE(frame.wantsFreshContext(1, 1));
    frame.paint(2048, 2049, camera, false, pass);
    EXPECT_TRUE(frame.wantsFreshContext(1024, 1024));
    EXPECT_FALSE(frame.wantsFreshContext(1025, 1024));
    frame.release();
    EXPECT_FALSE(frame.picture().holdsPicture());
    EXPECT_FALSE(frame.wantsFreshContext(1, 1));
    frame.paint(2048, 2048, camera, false, pass);
    EXPECT_FALSE(frame.wantsFreshContext(1, 1));
}

// An opaque white square facing the eye at the origin, at distance d along
// +x, centred sideways at y, 2 d / 5 wide.
void square(double d, double y) {
    double const s = d / 5;
    glColor4d(1, 1, 1, 1);
    glBegin(GL_QUADS);
    glVertex3d(d, y - s, -s);
    glVertex3d(d, y + s, -s);
    glVertex3d(d, y + s, s);
    glVertex3d(d, y - s, s);
    glEnd();
}

TEST(PaintCycle, EachEyeOfAStereoFrameHasItsOwnDepth) {
    OffscreenGl gl(160, 90);
    PaintCycle frame;
    frame.setUp();
    Camera camera;
    camera.compassMode = 0;
    camera.focus = 0;  // both eyes see the centre view
    gl.clear();
    // A body in front of the eye, and one beyond the backdrop (500), to the
    // right.
    frame.paint(160, 90, camera, true, [] {
        square(5, 0);
        square(600, -400);
    });
    using Rgba = OffscreenGl::Rgba;
    // The near one in both colours: white.
    EXPECT_GT(gl.count([](Rgba p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }), 200);
    EXPECT_EQ(gl.count([](Rgba p) { return p[0] == 255 && p[1] < 60; }), 0);
    // The far one hidden by the backdrop in the red pass only: cyan.
    EXPECT_GT(gl.count([](Rgba p) { return p[0] < 60 && p[1] == 255 && p[2] == 255; }), 100);
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

}  // namespace
