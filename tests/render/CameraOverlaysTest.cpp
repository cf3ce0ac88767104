#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "render/Camera.h"
#include "render/String3d.h"
#include "tests/render/CameraFrame.h"
#include "tests/render/Feedback.h"

namespace {

using Rgba = OffscreenGl::Rgba;

// Pixels of the pale yellow overlays in a box of the picture: red well
// above the backdrop's 5.
int overlayPixels(OffscreenGl& gl, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (gl.pixel(x, y)[0] > 15) ++n;
    return n;
}

// Where the hint (and the help title) stands for a camera at rest: above
// the centre, in front of the eye.
int hintPixels(OffscreenGl& gl) { return overlayPixels(gl, 55, 66, 105, 88); }
// Mean column of the overlay pixels in the band above the centre, where
// the hint stands; -1 when there are none.
double hintColumn(OffscreenGl& gl) {
    double sum = 0;
    int n = 0;
    for (int y = 60; y < CameraFrame::H; ++y)
        for (int x = 0; x < CameraFrame::W; ++x)
            if (gl.pixel(x, y)[0] > 15) {
                sum += x;
                ++n;
            }
    return n ? sum / n : -1;
}
// The lower third, where the compass floats below the eye.
int compassPixels(OffscreenGl& gl) { return overlayPixels(gl, 0, 0, CameraFrame::W, 40); }
// The left third, where the camera block of the help stands.
int leftColumnPixels(OffscreenGl& gl) { return overlayPixels(gl, 0, 40, 55, 90); }

TEST(CameraHelpPanel, HintStandsInFrontOfTheEyeAndHelpAddsTheBlocks) {
    CameraFrame hint;
    Camera camera;
    camera.compassMode = 0;
    hint.frame(camera);
    int const hinted = hintPixels(hint.gl);
    EXPECT_GT(hinted, 40);
    EXPECT_EQ(leftColumnPixels(hint.gl), 0);

    CameraFrame help;
    camera.helpShown = true;
    help.frame(camera);
    EXPECT_GT(hintPixels(help.gl), 40);
    EXPECT_GT(leftColumnPixels(help.gl), 200);

    CameraFrame none;
    Camera earlier(CameraProfile::earlier());
    earlier.helpShown = true;
    none.frame(earlier);
    EXPECT_EQ(hintPixels(none.gl), 0);
    EXPECT_EQ(leftColumnPixels(none.gl), 0);
    EXPECT_EQ(earlier.panelPhi, 0.0);
}

TEST(CameraHelpPanel, PanelLagsBehindATurnAndCatchesUp) {
    Camera camera;
    camera.compassMode = 0;
    CameraFrame f;
    f.frame(camera);
    double const centre = hintColumn(f.gl);
    EXPECT_NEAR(centre, CameraFrame::W / 2, 8);

    camera.phi = 30;  // a sudden heading change to the right
    double lag[3];
    for (double& column : lag) {
        f.gl.clear();
        f.frame(camera);
        column = hintColumn(f.gl);
    }
    // Drawn with the whole lag of 30 degrees (then 20, then 13.3): the panel
    // hangs to the left and swings back.
    EXPECT_LT(lag[0], centre - 20);
    EXPECT_GT(lag[1], lag[0] + 3);
    EXPECT_GT(lag[2], lag[1] + 2);
    EXPECT_LT(lag[2], centre - 5);
    EXPECT_DOUBLE_EQ(camera.panelPhi, 30 * (1 - 8.0 / 27));
    for (int i = 0; i < 40; ++i) f.frame(camera);
    f.gl.clear();
    f.frame(camera);
    EXPECT_NEAR(hintColumn(f.gl), centre, 1);
    EXPECT_GT(hintPixels(f.gl), 40);
}

// A settled panel (smoothed angles equal to the camera's) undoes the view's
// heading, then its roll, then its pitch. With heading and roll it stands
// where it stands at rest; with pitch and roll it is tilted.
TEST(CameraHelpPanel, SettledPanelUndoesHeadingThenRollThenPitch) {
    CameraFrame rest;
    Camera still;
    still.compassMode = 0;
    rest.frame(still);
    struct Row {
        double phi, theta, rho;
        bool still;
    };
    for (Row const r : {Row{60, 0, 40, true}, Row{-35, 0, 70, true}, Row{0, 30, 20, false}}) {
        CameraFrame f;
        Camera camera;
        camera.compassMode = 0;
        camera.phi = camera.panelPhi = r.phi;
        camera.theta = camera.panelTheta = r.theta;
        camera.rho = camera.panelRho = r.rho;
        f.frame(camera);
        int differ = 0;
        for (int y = 0; y < CameraFrame::H; ++y)
            for (int x = 0; x < CameraFrame::W; ++x) differ += f.gl.pixel(x, y) != rest.gl.pixel(x, y);
        if (r.still)
            EXPECT_LE(differ, 2) << r.phi << " " << r.rho;
        else
            EXPECT_GT(differ, 40) << r.theta << " " << r.rho;
    }
}

TEST(CameraHelpPanel, SmoothingRunsOnEveryFrameForAllThreeAngles) {
    Camera camera;
    camera.theta = 9;
    camera.rho = -3;
    CameraFrame f;
    f.frame(camera);
    f.frame(camera);
    EXPECT_DOUBLE_EQ(camera.panelTheta, 5.0);  // 9 (1 - (2/3)^2)
    EXPECT_DOUBLE_EQ(camera.panelRho, -5.0 / 3);
}

// A block of the help panel from its lines, given between bars: each line
// framed by a dash on both sides with 18 characters between them; "=" stands
// for a line of 20 dashes.
std::string framed(std::string const& lines) {
    std::string text;
    std::istringstream in(lines);
    for (std::string l; std::getline(in, l, '|');)
        text += (text.empty() ? "-" : "\n-") + (l == "=" ? std::string(18, '-') : l + std::string(18 - l.size(), ' ')) +
                "-";
    return text;
}

// The panel draws, stroke for stroke, what String3d draws for these texts
// at these places (the camera's angles are 0: its turns change nothing).
TEST(CameraHelpPanel, TextsAndPlacesOfHintAndHelp) {
    OffscreenGl gl(200, 200);
    Camera camera;
    std::string const cameraBlock = framed(
        " camera - setting ||=|mouse control :|   ctrl+m(on-off)||=|fullscreen :|   Ctrl+f||=|stereoscopy :|"
        "   ctrl+i(on-off)|   ctrl+u,o(focus)||=|perspective :|   ctrl+k,l||=|motion Blur :|   ctrl+b,n||=|"
        "Compass :|   ctrl+j||=");
    std::string const keyBlock = framed(
        "otherKey - setting|=|camera move :|   q w e     ^|   a s d   < v >||=|physic|   ctrl+p(on-off)||=|"
        "enter-quit help|   ctrl+h||=");
    ASSERT_EQ(cameraBlock.size(), 28u * 21 - 1);
    ASSERT_EQ(keyBlock.size(), 15u * 21 - 1);
    auto const hint = Feedback::record([&] { camera.dispInterface(); });
    auto const wantHint =
        Feedback::record([] { String3d("---Tab:---\n---show---\n-terminal-", 0.15, 10, -0.3).disp(); });
    camera.helpShown = true;
    auto const help = Feedback::record([&] { camera.dispInterface(); });
    auto const wantHelp = Feedback::record([&] {
        String3d(cameraBlock, 0.2, 55, 0).disp();
        String3d(keyBlock, 0.2, -17.5, 0).disp();
        String3d("----------\n---HELP---\n----------", 0.15, 10, -0.3).disp();
    });
    for (auto [got, want] : {std::pair{&hint, &wantHint}, {&help, &wantHelp}}) {
        ASSERT_EQ(got->size(), want->size());
        ASSERT_GT(want->size(), 10u);
        std::size_t differ = 0;
        for (std::size_t i = 0; i < want->size(); ++i)
            for (std::size_t k = 0; k < (*want)[i].at.size(); ++k)
                differ += ((*got)[i].at[k] - (*want)[i].at[k]).norme() > 1e-6;
        EXPECT_EQ(differ, 0u);
    }
}

TEST(CameraCompass, StrokesOfRoseAndRing) {
    OffscreenGl gl(200, 200);
    std::size_t segments[3];
    std::vector<Feedback::Primitive> ring;
    for (int mode = 0; mode < 3; ++mode) {
        Camera camera;
        camera.compassMode = mode;
        auto const p = Feedback::record([&] { camera.dispRepere(); });
        segments[mode] = p.size();
        if (mode == 2) ring = p;
    }
    // Four arcs of 5 vertices and the letters N, W, E, S of 4, 5, 7 and 6.
    EXPECT_EQ(segments[0], 0u);
    EXPECT_EQ(segments[1], 4u * 4 + 3 + 4 + 6 + 5);
    // One strip of 31 vertices, from 11.25 to 348.75 degrees, 0.05 below.
    ASSERT_EQ(segments[2], 30u);
    double const a = 3.14159265358979323846 / 16;
    EXPECT_LT((ring.front().at[0] - Vect{0.1 * std::cos(a), 0.1 * std::sin(a), -0.05}).norme(), 1e-6);
    EXPECT_LT((ring.back().at[1] - Vect{0.1 * std::cos(a), -0.1 * std::sin(a), -0.05}).norme(), 1e-6);
}

TEST(CameraCompass, ModesDrawRoseRingOrNothing) {
    int counts[3];
    for (int mode = 0; mode < 3; ++mode) {
        CameraFrame f;
        Camera camera;
        camera.compassMode = mode;
        f.frame(camera);
        counts[mode] = compassPixels(f.gl);
        // A faint pale yellow: 0.1 of it over the backdrop.
        EXPECT_EQ(f.gl.count([](Rgba p) { return p[0] > 60 && p[2] < p[0] / 3; }), 5 * 4)
            << mode;  // the crosshair only
    }
    EXPECT_EQ(counts[0], 0);
    EXPECT_GT(counts[1], 100);
    EXPECT_GT(counts[2], 100);
    EXPECT_NE(counts[1], counts[2]);
}

TEST(CameraCompass, FollowsTheEyeWhereverItIs) {
    CameraFrame home;
    Camera still;
    home.frame(still);
    CameraFrame away;
    Camera moved;
    moved.setX(Vect{5, -7, 2});
    away.frame(moved);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < CameraFrame::W; x += 7) EXPECT_EQ(home.gl.pixel(x, y), away.gl.pixel(x, y));
}

TEST(CameraCompass, EarlierCameraAlwaysDrawsTheOpaqueYellowRose) {
    int yellow[2];
    for (int mode = 0; mode < 2; ++mode) {
        CameraFrame f;
        Camera camera(CameraProfile::earlier());
        camera.compassMode = mode * 2;
        f.frame(camera);
        yellow[mode] = f.gl.count([](Rgba p) { return p[0] == 255 && p[1] == 255 && p[2] == 0; });
    }
    EXPECT_GT(yellow[0], 200);
    EXPECT_EQ(yellow[0], yellow[1]);
}

TEST(CameraOverlays, EveryOverlayLeavesTheStacksAsFound) {
    for (CameraProfile const& profile : {CameraProfile::current(), CameraProfile::earlier()}) {
        for (int mode = 0; mode < 3; ++mode) {
            for (bool help : {false, true}) {
                CameraFrame f;
                Camera camera(profile);
                camera.compassMode = mode;
                camera.helpShown = help;
                int const p = OffscreenGl::projectionDepth();
                int const m = OffscreenGl::modelviewDepth();
                f.frame(camera);
                camera.dispRepere();
                camera.dispInterface();
                camera.ApplyLeftFrustum();
                camera.ApplyRightFrustum();
                EXPECT_EQ(OffscreenGl::projectionDepth(), p);
                EXPECT_EQ(OffscreenGl::modelviewDepth(), m);
                EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
            }
        }
    }
}

}  // namespace
