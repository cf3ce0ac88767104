#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "render/GlPainter.h"
#include "testsupport/OffscreenGl.h"
#include "viewer/PendulumScene.h"
#include "viewer/TracedScene.h"
#include "viewer/ViewerCore.h"

namespace {

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

TEST_F(PaintTest, TracedPathsAreTwoPixelsWide) {
    OffscreenGl gl(160, 90);
    // One traced body, not shown, 10 ahead of the eye and 2 below it, moving
    // sideways: its path is a level line across the lower half.
    ViewerCore core(FrontEnd::current(), std::make_unique<TracedScene>(+[](System& sys) {
                        return std::vector<Obj*>{sys.addObj(Vect{40, -4, -2}, Vect{0, 5, 0}, 1, 0, false, 0, false)};
                    }));
    viewerState();
    core.keyDown('P', true, false);
    for (int i = 0; i < 30; ++i) core.tick(20);
    core.camera.setX(Vect{-30, 0, 0});  // the eye at (30, 0, 0), the text behind
    gl.clear(0.03f, 0.16f, 0.18f, 0.0f);
    core.paint(160, 90);
    // Every column the path crosses holds 2 of its pixels.
    int crossed = 0;
    for (int x = 70; x < 96; ++x) {
        int n = 0;
        for (int y = 0; y < 90; ++y) {
            OffscreenGl::Rgba const p = gl.pixel(x, y);
            n += p[0] > 110 && p[0] < 150 && p[1] > 245 && p[2] > 245;
        }
        EXPECT_EQ(n, 2) << "column " << x;
        crossed += n > 0;
    }
    EXPECT_EQ(crossed, 26);
}

TEST_F(PaintTest, TrailsFadeFromTheKeptPicture) {
    OffscreenGl gl(160, 90);
    ViewerCore core(FrontEnd::current(), std::make_unique<TracedScene>(buildLightScene));
    viewerState();
    gl.clear(1, 1, 1, 1);
    core.paint(160, 90);
    EXPECT_TRUE(core.frame.picture().holdsPicture());
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
