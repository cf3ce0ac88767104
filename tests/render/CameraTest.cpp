#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/Camera.h"

// The camera's arithmetic alone: no GL call is made by update().
namespace {

constexpr double tol = 1e-12;

void steps(Camera& c, int n, double dt = 20) {
    for (int i = 0; i < n; ++i) c.update(dt);
}

TEST(CameraState, InitialValuesOfBothProfiles) {
    Camera const c;
    EXPECT_EQ(c.compassMode, 1);
    EXPECT_FALSE(c.helpShown);
    EXPECT_EQ(c.walkInput.getDim(), 0u);
    EXPECT_EQ(c.getX(), Vect(3u));
    EXPECT_EQ(c.getM(), 1.0);
    EXPECT_EQ(c.aspect, 1.7777777777777777);
    EXPECT_EQ(c.perspective, 90.0);
    EXPECT_EQ(c.motionBlur, 0.7);
    EXPECT_EQ(c.focus, 0.1);
    EXPECT_EQ(c.zNear, 0.0001);
    EXPECT_EQ(c.zFar, 10000.0);
    Camera const old(CameraProfile::earlier());
    EXPECT_EQ(old.zNear, 0.01);
    EXPECT_EQ(old.zFar, 10000.0);
    EXPECT_EQ(old.perspective, 90.0);
}

TEST(CameraTurn, PitchSpeedConvergesAndDecays) {
    Camera c;
    c.RotateTheta(1);
    c.update(20);
    EXPECT_NEAR(c.thetaSpeed, 0.8, tol);  // 1 * 20 / 25
    EXPECT_NEAR(c.theta, 1.6, tol);       // 0.8 * 20 / 10, with the new speed
    steps(c, 200);
    EXPECT_NEAR(c.thetaSpeed, 8.0 / 3, 1e-9);
    double const before = c.theta;
    c.update(20);
    EXPECT_NEAR(c.theta - before, 16.0 / 3, 1e-9);
    c.RotateTheta(0);
    double const speed = c.thetaSpeed;
    c.update(20);
    EXPECT_NEAR(c.thetaSpeed, 0.7 * speed, tol);  // damping taken once per call
}

TEST(CameraTurn, HeadingFollowsTheSameLawAndMouseSetsSpeeds) {
    Camera c;
    c.RotatePhi(-2);
    c.update(10);
    EXPECT_NEAR(c.phiSpeed, -0.8, tol);
    EXPECT_NEAR(c.phi, -0.8, tol);
    c.RotatePhi(0);
    c.RotatePhiMouse(5);
    c.RotateThetaMouse(-3);
    c.update(10);
    EXPECT_NEAR(c.phiSpeed, 3.5, tol);
    EXPECT_NEAR(c.thetaSpeed, -2.1, tol);
}

TEST(CameraTurn, RollSettlesWhereThePullBalancesTheInputAndLevelsOut) {
    Camera c;
    c.RotateRho(1);
    c.update(20);
    EXPECT_NEAR(c.rhoSpeed, 0.8, tol);
    EXPECT_NEAR(c.rho, 1.6, tol);
    c.update(20);
    // The pull uses the roll before this step: 0.8 + (0.8 - 0.56 - 0.08).
    EXPECT_NEAR(c.rhoSpeed, 0.96, tol);
    steps(c, 400);
    EXPECT_NEAR(c.rho, 16.0, 1e-6);
    c.RotateRho(2);
    steps(c, 400);
    EXPECT_NEAR(c.rho, 32.0, 1e-6);
    c.RotateRho(0);
    steps(c, 400);
    EXPECT_NEAR(c.rho, 0.0, 1e-6);
    EXPECT_NEAR(c.rhoSpeed, 0.0, 1e-6);
}

// One step with no speed leaves each angle where it was, then wraps it.
double wrapped(CameraProfile const& p, double angle, double Camera::*field) {
    Camera c(p);
    c.*field = angle;
    c.update(0);  // dt 0: the roll's pull changes the speed, not the angle
    return c.*field;
}

TEST(CameraWrap, CurrentProfileWrapsBeyondTenTurnsByFiveTurns) {
    CameraProfile const p = CameraProfile::current();
    for (double Camera::*f : {&Camera::theta, &Camera::phi, &Camera::rho}) {
        EXPECT_EQ(wrapped(p, -3601, f), -1801);
        EXPECT_EQ(wrapped(p, 3601, f), 1801);
        EXPECT_EQ(wrapped(p, -3600, f), -3600);
        EXPECT_EQ(wrapped(p, 3600, f), 3600);
        EXPECT_EQ(wrapped(p, 9000.5, f), 3600.5 - 1800);
        EXPECT_EQ(wrapped(p, 720, f), 720);
        // Far angles end where one step at a time would leave them, in
        // (1800, 3600] or [-3600, -1800): 2e9 is 1111111 steps and 200 more.
        EXPECT_EQ(wrapped(p, 2e9 + 0.5, f), 2000.5);
        EXPECT_EQ(wrapped(p, -2e9 - 0.5, f), -2000.5);
        EXPECT_EQ(wrapped(p, 1800 * 3e9, f), 3600);
        EXPECT_EQ(wrapped(p, -1800 * 3e9, f), -3600);
    }
}

TEST(CameraWrap, EarlierProfileWrapsBeyondOneTurnByOneTurn) {
    CameraProfile const p = CameraProfile::earlier();
    for (double Camera::*f : {&Camera::theta, &Camera::phi, &Camera::rho}) {
        EXPECT_EQ(wrapped(p, 361, f), 1);
        EXPECT_EQ(wrapped(p, -361, f), -1);
        EXPECT_EQ(wrapped(p, 360, f), 360);
        EXPECT_EQ(wrapped(p, -360, f), -360);
        EXPECT_EQ(wrapped(p, 1000, f), 280);
        EXPECT_EQ(wrapped(p, -1000, f), -280);
        EXPECT_EQ(wrapped(p, 2e9 + 0.5, f), 200.5);
        EXPECT_EQ(wrapped(p, -2e9 - 0.5, f), -200.5);
        EXPECT_EQ(wrapped(p, 360 * 1e10, f), 360);
        EXPECT_EQ(wrapped(p, -360 * 1e10, f), -360);
    }
}

TEST(CameraWrap, FarAnglesEndWhereOneStepAtATimeWould) {
    for (CameraProfile const& p : {CameraProfile::current(), CameraProfile::earlier()}) {
        double const far = p.angleLimit + 1e6 * p.angleStep;
        for (double a : {far + 0.75, far + 1234.0625, -far - 0.25, -far - p.angleStep, 3.1e9 + 1.0 / 1024}) {
            double loop = a;
            while (loop < -p.angleLimit) loop += p.angleStep;
            while (loop > p.angleLimit) loop -= p.angleStep;
            EXPECT_EQ(wrapped(p, a, &Camera::phi), loop) << a;
        }
    }
}

TEST(CameraWrap, HugeAndNonFiniteAnglesEndTheStep) {
    double const inf = std::numeric_limits<double>::infinity();
    for (CameraProfile const& p : {CameraProfile::current(), CameraProfile::earlier()}) {
        double const huge = wrapped(p, 1e300, &Camera::theta);
        EXPECT_LE(std::fabs(huge), p.angleLimit);
        double const big = wrapped(p, -3e12 - 1, &Camera::phi);
        EXPECT_LE(std::fabs(big), p.angleLimit);
        EXPECT_EQ(std::fmod(big - (-3e12 - 1), p.angleStep), 0.0);
        EXPECT_EQ(wrapped(p, inf, &Camera::theta), inf);
        EXPECT_TRUE(std::isnan(wrapped(p, std::nan(""), &Camera::phi)));
    }
}

TEST(CameraSettings, RatesMoveTheSettingsWithoutBounds) {
    Camera c;
    c.focusMove(0.001);
    c.perspectiveMove(-0.5);
    c.motionBlurMove(0.01);
    c.update(20);
    EXPECT_NEAR(c.focus, 0.12, tol);
    EXPECT_NEAR(c.perspective, 80.0, tol);
    EXPECT_NEAR(c.motionBlur, 0.9, tol);
    steps(c, 10);
    EXPECT_NEAR(c.perspective, -20.0, tol);
    EXPECT_NEAR(c.motionBlur, 2.9, 1e-9);

    Camera old(CameraProfile::earlier());
    old.motionBlurMove(0.01);  // the earlier camera has no motion blur control
    old.focusMove(0.001);
    old.update(20);
    EXPECT_EQ(old.motionBlur, 0.7);
    EXPECT_NEAR(old.focus, 0.12, tol);
}

TEST(CameraDrive, IdleCameraNeitherMovesNorFalls) {
    Camera c;  // speedFactor never written by a canvas
    steps(c, 50);
    EXPECT_EQ(c.getX(), Vect(3u));
    EXPECT_EQ(c.getdx(), Vect(3u));
    EXPECT_EQ(c.getF(), Vect(3u));  // the weight the step added is cleared
}

TEST(CameraDrive, ForwardWalkAtHeadingNinetyPushesAlongPlusY) {
    Camera c;
    c.phi = 90;
    c.walk(-1);
    c.update(20);
    Vect const v = c.getdx();
    // dt * thrust along (0, 1, 0); the eye, at -X, moves along (0, -1, 0).
    EXPECT_NEAR(v.get(0), 0.0, 1e-18);
    EXPECT_NEAR(v.get(1), 20 * 0.00001, 1e-18);
    EXPECT_EQ(v.get(2), 0.0);
    EXPECT_NEAR(c.getX().get(1), 20 * 20 * 0.00001, 1e-18);
    EXPECT_EQ(c.getF(), Vect(3u));
}

TEST(CameraDrive, StrafeAndJumpDirectionsAndSpeedFactor) {
    Camera c;
    c.strafe(1);  // heading 0: +y, carrying the eye to the right
    c.update(20);
    EXPECT_NEAR(c.getdx().get(0), 0.0, 1e-18);
    EXPECT_NEAR(c.getdx().get(1), 0.0002, 1e-18);

    Camera up;
    up.speedFactor = 10;
    up.jump(-1);  // pitch and roll do not steer the drive
    up.theta = 45;
    up.rho = 30;
    up.update(20);
    EXPECT_NEAR(up.getdx().get(2), -0.002, 1e-18);
    EXPECT_NEAR(up.getdx().get(0), 0.0, 1e-18);
    EXPECT_NEAR(up.getdx().get(1), 0.0, 1e-18);

    Camera aside;
    aside.phi = 30;
    aside.strafe(1);  // along (cos 60, sin 60, 0)
    aside.update(20);
    EXPECT_NEAR(aside.getdx().get(0), 0.0002 * 0.5, 1e-15);
    EXPECT_NEAR(aside.getdx().get(1), 0.0002 * std::sqrt(0.75), 1e-15);

    Camera turned;
    turned.phi = 30;
    turned.walk(1);
    turned.update(20);
    double const h = 30 * 2 * 3.14159265358979323846 / 360;
    EXPECT_NEAR(turned.getdx().get(0), 0.0002 * std::cos(h), 1e-15);
    EXPECT_NEAR(turned.getdx().get(1), -0.0002 * std::sin(h), 1e-15);
}

TEST(CameraDrive, DragSlowsTheBodyAndSetsTheTopSpeed) {
    Camera c;
    c.setdx(Vect{1, 0, 0});
    c.update(20);
    EXPECT_NEAR(c.getdx().get(0), 0.9, tol);  // 1 + 20 * (-0.005)
    EXPECT_NEAR(c.getX().get(0), 18.0, 1e-12);
    EXPECT_EQ(c.getF(), Vect(3u));

    Camera held;
    held.walk(-1);
    steps(held, 300);
    EXPECT_NEAR(held.getdx().get(0), -0.002, 1e-12);
    held.speedFactor = 10;
    steps(held, 300);
    EXPECT_NEAR(held.getdx().get(0), -0.02, 1e-12);
}

TEST(HyperbolicLimit, LimitsZeroAndNaN) {
    EXPECT_NEAR(hyperbolicLimit(3, 1e9), 3, 1e-8);
    EXPECT_NEAR(hyperbolicLimit(3, -1e9), -3, 1e-8);
    EXPECT_EQ(hyperbolicLimit(0, 7), 0.0);
    EXPECT_NEAR(hyperbolicLimit(8, 3), 24 / 5.0, tol);  // 24 / sqrt(9 + 16)
    EXPECT_TRUE(std::isnan(hyperbolicLimit(-60, 10)));
}

TEST(CameraFieldOfView, SpeedWidensOrNarrowsIt) {
    Camera c;
    EXPECT_EQ(c.fovy(), 90.0);
    c.setdx(Vect{-0.01, 0, 0});  // the eye moves forward along +x
    // k = -10: 90 + 100 / sqrt(80)
    EXPECT_NEAR(c.fovy(), 90 + 100 / std::sqrt(80.0), 1e-12);
    c.setdx(Vect{0.01, 0, 0});
    EXPECT_NEAR(c.fovy(), 90 - 100 / std::sqrt(120.0), 1e-12);
    c.phi = 90;  // sideways to the heading: no change
    EXPECT_NEAR(c.fovy(), 90.0, 1e-12);
}

TEST(CameraFieldOfView, StaysUsableWhateverTheFieldsHold) {
    Camera c;
    c.perspective = 500;
    EXPECT_EQ(c.fovy(), Camera::maxFovy);
    c.perspective = -20;
    EXPECT_EQ(c.fovy(), Camera::minFovy);
    c.perspective = 90;
    c.setdx(Vect{-0.05, 0, 0});  // the root is zero: infinitely wide
    EXPECT_EQ(c.fovy(), Camera::maxFovy);
    c.setdx(Vect{-0.06, 0, 0});  // past the limit: no real root
    EXPECT_EQ(c.fovy(), Camera::maxFovy);
    EXPECT_EQ(c.perspective, 90.0);  // the field itself is kept
    c.setdx(Vect(3u));
    c.perspective = std::nan("");
    EXPECT_EQ(c.fovy(), Camera::maxFovy);
}

}  // namespace
