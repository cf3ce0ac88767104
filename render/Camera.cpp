#include "render/Camera.h"

#include <cmath>

#include "numerics/Constants.h"

double hyperbolicLimit(double const& a, double const& b) { return a * b / std::sqrt(b * b + 2 * a); }

Camera::Camera(CameraProfile const& profile)
    : Obj(Vect(3u), 1.0, Vect(3u), Vect(3u), Vect(3u)), zNear(profile.zNear), profile_(profile) {}

// Whole steps (five turns, or one on the earlier camera) leave the
// orientation unchanged. Taking one step at a time, an angle above the limit
// would end in (limit - step, limit] and one below -limit in [-limit, -limit
// + step), at exactly a - n step: each result is a multiple of the angle's
// last bit and no larger than the angle, so nothing rounds. fmod gives
// a - m step exactly too, and the few whole steps that carry it into that
// interval are exact for the same reason: the result is the loop's, bit for
// bit, in bounded time (and the exact remainder for angles so large that the
// loop would never end). Non-finite angles are left alone: no number of
// steps would bring them back.
double Camera::wrap(double a) const {
    double const limit = profile_.angleLimit;
    double const step = profile_.angleStep;
    if (!std::isfinite(a) || std::fabs(a) <= limit) return a;
    double r = std::fmod(a, step);
    if (a > limit) {
        while (r > limit) r -= step;
        while (r <= limit - step) r += step;
    } else {
        while (r < -limit) r += step;
        while (r >= step - limit) r -= step;
    }
    return r;
}

// One step of dt milliseconds, in this order (the order fixes every bit):
//   speed <- speed + (input dt/25 - 0.3 speed);  angle <- angle + speed dt/10
//   for pitch and heading; the roll adds the pull -0.05 rho (rho before the
//   step) and damps by 0.7; every angle is then wrapped.
//   focus, perspective, motionBlur advance by rate dt.
//   D = w (cos h, sin -h, 0) + s (cos(pi/2 - h), sin(pi/2 - h), 0) + jump,
//   h the new heading in radians; F += thrust speedFactor D, F += -0.005 dx;
//   the body steps, then F is cleared (which also drops its weight).
void Camera::update(double const& dt) {
    thetaSpeed = thetaSpeed + (thetaInput * dt / 25 - 0.3 * thetaSpeed);
    theta = wrap(theta + thetaSpeed * dt / 10);

    phiSpeed = phiSpeed + (phiInput * dt / 25 - 0.3 * phiSpeed);
    phi = wrap(phi + phiSpeed * dt / 10);

    rhoSpeed = rhoSpeed + (rhoInput * dt / 25 - 0.7 * rhoSpeed - 0.05 * rho);
    rho = wrap(rho + rhoSpeed * dt / 10);

    focus += focusRate * dt;
    perspective += perspectiveRate * dt;
    motionBlur += motionBlurRate * dt;

    double const h = headingRadians();
    Vect drive(3u);
    drive += walkInput.get(0) * Vect{std::cos(h), std::sin(-h), 0.0};
    drive += strafeInput.get(1) * Vect{std::cos(pi / 2 - h), std::sin(pi / 2 - h), 0.0};
    drive += jumpInput;

    addF((thrust * speedFactor) * drive, Vect(3u));
    addF(-0.005 * getdx(), Vect(3u));
    Obj::update(dt);
    setF(Vect(3u));
}

double Camera::headingRadians() const { return phi * 2 * pi / 360; }

double Camera::fovy() const {
    double const h = headingRadians();
    double const k = 1000 * (getdx() * Vect{std::cos(h), std::sin(-h), 0.0});
    double const f = perspective - hyperbolicLimit(k, 10);
    // Past a forward speed of 0.05 per millisecond the root has no real
    // value; just below it the field of view grows without bound, so NaN
    // takes the wide end.
    if (std::isnan(f)) return maxFovy;
    return f < minFovy ? minFovy : (f > maxFovy ? maxFovy : f);
}
