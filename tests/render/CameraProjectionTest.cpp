#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/Camera.h"
#include "render/GlPainter.h"
#include "tests/render/CameraFrame.h"

namespace {

using Rgba = OffscreenGl::Rgba;

// Within 2 per channel (0..255): blending rounds unlike hand sums.
bool near(Rgba const& a, Rgba const& b) {
    for (int i = 0; i < 4; ++i)
        if (a[i] - b[i] > 2 || b[i] - a[i] > 2) return false;
    return true;
}

class CameraProjection : public ::testing::Test {
protected:
    CameraProjection() { camera.compassMode = 0; }

    bool isWhite(int x, int y) {
        Rgba const p = f.gl.pixel(x, y);
        return p[0] == 255 && p[1] == 255 && p[2] == 255;
    }

    CameraFrame f;
    Camera camera;
    GlPainter painter;
};

TEST_F(CameraProjection, LookRebuildsTheProjectionAndLeavesItSelected) {
    GLint mode = 0;
    GLdouble first[16], second[16], modelview[16];
    int const projectionDepth = OffscreenGl::projectionDepth();
    int const modelviewDepth = OffscreenGl::modelviewDepth();
    f.frame(camera);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    glGetDoublev(GL_PROJECTION_MATRIX, first);
    f.frame(camera);
    glGetDoublev(GL_PROJECTION_MATRIX, second);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(first[i], second[i]);
        EXPECT_EQ(modelview[i], i % 5 == 0 ? 1.0 : 0.0);
    }
    EXPECT_EQ(OffscreenGl::projectionDepth(), projectionDepth);
    EXPECT_EQ(OffscreenGl::modelviewDepth(), modelviewDepth);
}

TEST_F(CameraProjection, CrosshairAndBackdropOfBothProfiles) {
    f.frame(camera);
    EXPECT_EQ(f.gl.pixel(80, 45), (Rgba{255, 255, 0, 255}));
    // The backdrop at opacity 0.7 over black: 0.7 (0.03, 0.16, 0.18).
    EXPECT_TRUE(near(f.gl.pixel(150, 80), Rgba{5, 29, 32, 125}));
    // A second frame fades the first towards the backdrop: 0.91 of it.
    f.frame(camera);
    EXPECT_TRUE(near(f.gl.pixel(150, 80), Rgba{7, 37, 42, 163}));

    CameraFrame old;
    Camera earlier(CameraProfile::earlier());
    earlier.motionBlur = 0.1;  // not used by the earlier camera
    old.frame(earlier);
    EXPECT_TRUE(near(old.gl.pixel(150, 80), Rgba{5, 24, 28, 92}));
    EXPECT_EQ(old.gl.pixel(80, 45), (Rgba{255, 255, 0, 255}));
}

TEST_F(CameraProjection, BackdropHidesWhatLiesBeyondFiveHundred) {
    f.frame(camera);
    painter.point(Vect{400, 0, 100});  // a quarter up the picture
    EXPECT_TRUE(isWhite(80, 56));
    CameraFrame far;
    far.frame(camera);
    painter.point(Vect{600, 0, 150});
    EXPECT_FALSE(far.gl.pixel(80, 56)[0] > 200);
}

TEST_F(CameraProjection, EyeSitsAtMinusXAndLooksAlongTheHeading) {
    camera.setX(Vect{1, 0, 0});  // eye at (-1, 0, 0)
    f.frame(camera);
    painter.point(Vect{2, 0, 1});  // 3 ahead, 1 up: a third of the way up
    EXPECT_TRUE(isWhite(80, 60));

    CameraFrame turned;
    Camera heading;
    heading.compassMode = 0;
    heading.phi = 90;  // line of sight (0, -1, 0)
    turned.frame(heading);
    painter.point(Vect{0, -4, 1});
    EXPECT_TRUE(turned.gl.pixel(80, 56)[0] == 255);

    CameraFrame up;
    Camera pitched;
    pitched.compassMode = 0;
    pitched.theta = 30;  // looking up: what is ahead drops below the centre
    up.frame(pitched);
    painter.point(Vect{4, 0, 0});
    EXPECT_TRUE(up.gl.pixel(80, 19)[0] == 255);
}

TEST_F(CameraProjection, ViewRollsThenPitchesThenTurns) {
    camera.rho = 20;
    camera.theta = 30;
    camera.phi = 40;
    f.frame(camera);
    // The eye-frame point (4, 1, 1), taken back through the roll, the pitch
    // and the heading: Rz(-40) Ry(-30) Rx(-20) (4, 1, 1). Any other order of
    // the three turns puts it at least 2 pixels away. (The help hint, nearer,
    // would hide it: no depth test.)
    glDisable(GL_DEPTH_TEST);
    painter.point(Vect{3.248603036541977, -1.0527444247022886, 2.51759954862335});
    EXPECT_TRUE(isWhite(68, 56));
}

TEST_F(CameraProjection, NearPlaneDiffersBetweenProfiles) {
    f.frame(camera);
    painter.point(Vect{0.005, 0, 0.001});  // nearer than 0.01, farther than 0.0001
    EXPECT_TRUE(isWhite(80, 54));
    CameraFrame old;
    Camera earlier(CameraProfile::earlier());
    old.frame(earlier);
    painter.point(Vect{0.005, 0, 0.001});
    EXPECT_FALSE(old.gl.pixel(80, 54)[0] > 200);
}

TEST_F(CameraProjection, UnusableFieldsOfViewAreClampedNotPassedOn) {
    auto projectionOf = [](Camera& c, GLdouble* m) {
        CameraFrame frame;
        frame.frame(c);
        glGetDoublev(GL_PROJECTION_MATRIX, m);
    };
    GLdouble widest[16], tooWide[16], tooFast[16];
    camera.perspective = 179;
    projectionOf(camera, widest);
    camera.perspective = 1000;
    projectionOf(camera, tooWide);
    camera.perspective = 90;
    camera.setdx(Vect{-0.06, 0, 0});
    projectionOf(camera, tooFast);
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(std::isfinite(widest[i]));
        EXPECT_EQ(tooWide[i], widest[i]);
        EXPECT_EQ(tooFast[i], widest[i]);
    }
}

// The paint cycle's stereo passes: left eye red, depth cleared, right eye
// (applied on top of the left) green and blue.
void stereoPair(Camera& camera, GlPainter& painter, Vect const& body) {
    camera.ApplyLeftFrustum();
    glColorMask(true, false, false, false);
    painter.point(body);
    glClear(GL_DEPTH_BUFFER_BIT);
    camera.ApplyRightFrustum();
    glColorMask(false, true, true, false);
    painter.point(body);
    glColorMask(true, true, true, true);
}

int countWhere(OffscreenGl& gl, bool redOnly) {
    return gl.count([redOnly](Rgba p) {
        return redOnly ? (p[0] == 255 && p[1] < 60 && p[2] < 60) : (p[0] < 60 && p[1] == 255 && p[2] == 255);
    });
}

TEST_F(CameraProjection, StereoPairSplitsIntoRedAndCyanImages) {
    camera.focus = 1;
    camera.stereoDivisor = 0.05;  // each eye turned by 20 degrees
    f.frame(camera);
    int const depth = OffscreenGl::projectionDepth();
    stereoPair(camera, painter, Vect{3, 0, 1});
    EXPECT_EQ(OffscreenGl::projectionDepth(), depth);
    // The right pass cancels the left turn: cyan is the centre view.
    EXPECT_EQ(f.gl.pixel(80, 60)[1], 255);
    EXPECT_EQ(f.gl.pixel(80, 60)[2], 255);
    EXPECT_LT(f.gl.pixel(80, 60)[0], 60);
    EXPECT_EQ(countWhere(f.gl, false), 4);
    // The left image is turned clockwise seen from above: to the right.
    EXPECT_EQ(countWhere(f.gl, true), 4);
    EXPECT_EQ(f.gl.pixel(102, 61)[0], 255);
}

TEST_F(CameraProjection, WithoutFocusBothImagesCoincide) {
    camera.focus = 0;
    f.frame(camera);
    stereoPair(camera, painter, Vect{3, 0, 1});
    EXPECT_TRUE(isWhite(80, 60));
    EXPECT_EQ(countWhere(f.gl, true), 0);
    EXPECT_EQ(countWhere(f.gl, false), 0);
}

}  // namespace
