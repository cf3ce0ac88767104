#include "bodies/Ball.h"

#include <cmath>
#include <ostream>

#include "bodies/Painter.h"
#include "numerics/Constants.h"

namespace {
// r^3 pi 4 / 3, computed in that order.
double sphereVolume(double r) { return std::pow(r, 3) * pi * 4 / 3; }
}  // namespace

Ball::Ball(Vect const& X_, double const& r_, double const& m_, Vect const& dx_)
    : Obj(X_, m_, dx_, Vect(3u), Vect(3u)), r(r_) {
    I = Matrix(3, ((m_ + m_) * r_) * r_ / 5);
}

double Ball::getVol() const { return sphereVolume(r); }

double Ball::getMv() const { return m / getVol(); }

void Ball::setR(double const& r2, bool const& keepDensity) {
    if (keepDensity) m = sphereVolume(r2) * (m / sphereVolume(r));
    r = r2;
}

void Ball::setM(double const& m2, bool const& keepDensity) {
    // Same density: the volume, hence r^3, scales with the mass.
    if (keepDensity && m != 0.0) r = std::cbrt(std::pow(r, 3) * (m2 / m));
    m = m2;
}

void Ball::disp() { painter().ball(X, ang, r); }

std::ostream& Ball::writeBallBlock(std::ostream& os) {
    os << "-----BALL-----" << std::endl;
    writeObjBlock(os);
    os << "r    : " << r << std::endl;
    os << "mv   : " << getMv() << std::endl;
    os << "--------------" << std::endl;
    return os;
}

std::ostream& Ball::cdisp(std::ostream& os) { return writeBallBlock(os); }

void Ball::update(double const& dt) { Obj::update(dt); }

BallCG::BallCG(std::set<Obj*>& gravSet_, std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_,
               double const& r_, double const& c_, Vect const& dx_)
    : Obj(X_, m_, dx_, Vect(3u), Vect(3u)),
      Ball(X_, r_, m_, dx_),
      ObjCG(gravSet_, chargeSet_, X_, m_, c_, dx_, Vect(3u), Vect(3u)) {}

void BallCG::disp() { Ball::disp(); }

std::ostream& BallCG::cdisp(std::ostream& os) {
    if (!rules->ballDumpsChargeBlock) return writeBallBlock(os);
    writeChargeBlock(os);
    os << "Rayon : " << r << std::endl;
    return os;
}

void BallCG::update(double const& dt) { ObjC::update(dt); }
