#pragma once

#include "bodies/Obj.h"
#include "numerics/Vect.h"
#include "render/CameraProfile.h"

// a·b / √(b² + 2a): tends to a as b grows (and to -a as b falls); NaN where
// b² + 2a < 0. The projection uses it for the speed-dependent field of view.
double hyperbolicLimit(double const& a, double const& b);

// The viewpoint of the viewers: a body of mass 1 that the controls push
// around like a small craft. Turn inputs become damped angular speeds and
// angles (degrees), drive inputs a force along the current heading; a drag
// slows the body and the body integrates its own motion. Rates are per
// millisecond and update() takes milliseconds. The camera also holds the
// projection settings and the overlay switches, all public: the canvas
// reads and writes them directly.
class Camera : public Obj {
public:
    explicit Camera(CameraProfile const& profile = CameraProfile::current());

    CameraProfile const& getProfile() const { return profile_; }

    // One step of dt milliseconds: turns, settings, drive, drag, the body's
    // own step, then the force is cleared.
    void update(double const& dt) override;

    // Turn inputs, -2 .. 2 from the controls; 0 releases.
    void RotateTheta(double v) { thetaInput = v; }
    void RotatePhi(double v) { phiInput = v; }
    void RotateRho(double v) { rhoInput = v; }
    // Set the angular speeds directly.
    void RotateThetaMouse(double v) { thetaSpeed = v; }
    void RotatePhiMouse(double v) { phiSpeed = v; }
    void RotateRhoMouse(double v) { rhoSpeed = v; }
    // Drive inputs, ±1 while a key is held and 0 on release.
    void walk(double const& v) { walkInput = Vect{v, 0.0, 0.0}; }
    void strafe(double const& v) { strafeInput = Vect{0.0, v, 0.0}; }
    void jump(double const& v) { jumpInput = Vect{0.0, 0.0, v}; }
    // Rates of the settings, per millisecond.
    void focusMove(double const& r) { focusRate = r; }
    void perspectiveMove(double const& r) { perspectiveRate = r; }
    // Does nothing on the earlier camera, which has no motion blur control.
    void motionBlurMove(double const& r) {
        if (profile_.motionBlurAdjustable) motionBlurRate = r;
    }

    // The field of view handed to gluPerspective: perspective narrowed or
    // widened by the forward speed, kept inside [minFovy, maxFovy].
    double fovy() const;
    static constexpr double minFovy = 1.0;
    static constexpr double maxFovy = 179.0;

    // Projection, panel, crosshair, backdrop, view and compass of a frame,
    // all on the projection matrix, which stays selected (needs a current
    // GL context).
    void look();
    // Turn the view about the convergence point for the left or right eye;
    // applied on top of the matrix look() left.
    void ApplyLeftFrustum();
    void ApplyRightFrustum();
    // The compass, 0.05 below the eye, along the world axes.
    void dispRepere();
    // The help panel (or its hint), lagging behind the view; draws nothing
    // on the earlier camera.
    void dispInterface();

    // Switches the canvas reads and writes.
    double speedFactor = 1.0;
    int compassMode = 1;
    bool helpShown = false;
    // Drive inputs and the force per unit of input.
    Vect walkInput;
    Vect strafeInput;
    Vect jumpInput;
    double thrust = 0.00001;
    // Pitch, heading and roll (degrees), their speeds and inputs.
    double theta = 0.0;
    double thetaSpeed = 0.0;
    double thetaInput = 0.0;
    double phi = 0.0;
    double phiSpeed = 0.0;
    double phiInput = 0.0;
    double rho = 0.0;
    double rhoSpeed = 0.0;
    double rhoInput = 0.0;
    // The help panel's smoothed copies of the angles.
    double panelTheta = 0.0;
    double panelPhi = 0.0;
    double panelRho = 0.0;
    // Projection settings and their rates per millisecond.
    double motionBlur = 0.7;
    double motionBlurRate = 0.0;
    double focus = 0.1;
    double focusRate = 0.0;
    double stereoDivisor = 0.2;
    double aspect = 16.0 / 9.0;
    double perspective = 90.0;
    double perspectiveRate = 0.0;
    double zNear;
    double zFar = 10000.0;

private:
    // Brings an angle into [-angleLimit, angleLimit] by whole steps, where
    // taking one step at a time would leave it.
    double wrap(double a) const;
    // The eye correction, turning by sign·focus/stereoDivisor degrees.
    void applyEyeTurn(double sign);
    // The heading phi in radians, phi 2 pi / 360.
    double headingRadians() const;
    // The view rotation: roll, pitch, then heading.
    void rotateView() const;

    CameraProfile profile_;
};
