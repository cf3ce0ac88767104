#include "bodies/Obj.h"

#include <cmath>
#include <ostream>

#include "bodies/BodyStep.h"
#include "bodies/Painter.h"

Obj::Obj(Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_, Vect const& mcin_)
    : X(X_), dx(dx_), m(m_), ang(ang_), mcin(mcin_) {}

void Obj::disp() { painter().point(X); }

std::ostream& Obj::writeObjBlock(std::ostream& os) {
    os << "--------------" << std::endl;
    os << "x    : " << X;
    os << "dx/dt: " << dx;
    os << "F    : " << F;
    os << "mass : " << m << std::endl;
    os << "ang  : " << ang;
    os << "mcin : " << mcin;
    os << "ang' : " << I.getInv() * mcin;
    os << "--------------" << std::endl;
    return os;
}

std::ostream& Obj::cdisp(std::ostream& os) { return writeObjBlock(os); }

[[gnu::flatten]] void Obj::update(double const& dt) {
    stepWith(dt, [](auto&, auto&, auto const&) {});
}

Vect Obj::getVitAng() { return I.getInv() * mcin; }

// Rodrigues' rotation about ang by |ang| radians, with the components of ang
// used as they stand (exact for a unit axis; identity for a zero vector).
Matrix Obj::rotateMatrix(bool const& inverse) const {
    double theta = ang || true;
    if (inverse) theta = -theta;
    double const co = std::cos(theta);
    double const si = std::sin(theta);
    double const u = ang.get(0), v = ang.get(1), w = ang.get(2);
    Matrix r(3, 1.0);
    r.set(0, 0, u * u + co * (1 - u * u));
    r.set(0, 1, u * v * (1 - co) - si * w);
    r.set(0, 2, u * w * (1 - co) + si * v);
    r.set(1, 0, u * v * (1 - co) + si * w);
    r.set(1, 1, v * v + co * (1 - v * v));
    r.set(1, 2, v * w * (1 - co) - si * u);
    r.set(2, 0, u * w * (1 - co) - si * v);
    r.set(2, 1, v * w * (1 - co) + si * u);
    r.set(2, 2, w * w + co * (1 - w * w));
    return r;
}

Vect Obj::convertRefRel(Vect const& v) const { return rotateMatrix(false) * v + X; }

Vect Obj::convertRefAbs(Vect const& v) const { return rotateMatrix(true) * v - X; }
