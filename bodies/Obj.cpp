#include "bodies/Obj.h"

#include <cmath>
#include <ostream>

#include "bodies/Painter.h"
#include "numerics/Rand.h"

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

// One explicit step, in this order (the order fixes every bit of the result):
//   dx <- dx + (dt F) / m                 (only with translation forces)
//   X  <- (X + dt dx) + R1,  R1 = randVect(T, 3)
//   F  += (0, 0, -0.0981 m)               (the weight, after the move)
//   mcin <- mcin + dt Mf                  (only with rotation forces)
//   ang  <- (ang + (dt I^-1) mcin) + R2,  R2 = randVect(T, 3)
// Without translation forces the current engine moves X by dt dx alone, with
// neither noise nor weight; the earlier engine always takes the full step.
// a = (a + b) + c is written a += b, a += c: the same sums, in place.
template <class V, class M>
void Obj::step(double dt, V& X_, V& dx_, V& F_, V& Mf_, V& mcin_, V& ang_, M const& dtInv) {
    V const zero{0.0, 0.0, 0.0};
    if (translationForce) {
        dx_ += (dt * F_) / m;
        V const r1(randVect(T, 3));
        X_ += dt * dx_;
        X_ += r1;
        if (rules->weightAfterMove) addTo(F_, Mf_, V{0.0, 0.0, -0.0981 * m}, zero);
    } else if (rules->positionStepAlways) {
        V const r1(randVect(T, 3));
        X_ += dt * dx_;
        X_ += r1;
    } else {
        X_ += dt * dx_;
    }
    if (rotationForce) mcin_ += dt * Mf_;
    V const r2(randVect(T, 3));
    ang_ += dtInv * mcin_;
    ang_ += r2;
}

// dt I^-1 is a 3 x 3 value whenever the inverse is 3 x 3 (always, once one
// was computed); the inverse is refreshed once, as getInv() would.
void Obj::update(double const& dt) {
    if (!I.invValid) I.updateInv();
    auto const law = [this, dt](auto& X_, auto& dx_, auto& F_, auto& Mf_, auto& mcin_, auto& ang_, auto const& dtInv) {
        step(dt, X_, dx_, F_, Mf_, mcin_, ang_, dtInv);
    };
    Mat3 inv;
    if (I.lastInv3(inv))
        onVect3(law, X, dx, F, Mf, mcin, ang, dt * inv);
    else
        law(X, dx, F, Mf, mcin, ang, dt * I.lastInv());
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
