#include "systems/Spring.h"

#include <cmath>
#include <ostream>

#include "bodies/Painter.h"
#include "systems/System.h"

Spring::Spring(Obj& obj1_, Obj& obj2_, double const& k1_, double const& L0_)
    : obj1(&obj1_), obj2(&obj2_), k1(k1_), L0(L0_) {}

// Defined inline here, where its only callers are.
inline bool Spring::magnitudeAt(double len, double w, double& magnitude) const {
    if (rules->saturatingSpring) {
        double const e = k1 * (len - L0);
        double const f = k1 * std::pow(L0 + 1, 4);
        double const den = std::sqrt(e * e + f * f);
        magnitude = den == 0.0 ? 0.0 : (e * f) / den;
        return true;
    }
    bool const t1 = obj1->translationForceEnabled();
    bool const t2 = obj2->translationForceEnabled();
    if (!t1 && !t2) return false;
    double const m1 = obj1->getM(), m2 = obj2->getM();
    double const root = t1 && t2 ? std::sqrt(((k1 * m1) * m2) / (m2 + m1))
                        : t1     ? std::sqrt(k1 * m1)
                                 : std::sqrt(k1 * m2);
    magnitude = k1 * (len - L0) + root * (w + w);
    return true;
}

// Order of operations (the dumps depend on every bit):
//   len = |X2 - X1|, 1e-65 when exactly 0;  u = (X2 - X1) * (1 / len)
//   w = (V2 - V1) . u
//   root = sqrt(((k1 m1) m2) / (m2 + m1)), sqrt(k1 m1) or sqrt(k1 m2)
//   magnitude = k1 (len - L0) + root (w + w);  F = ((X2 - X1) magnitude) * (1 / len)
// The earlier rules replace the magnitude by (e f) / sqrt(e e + f f); when
// both e and f vanish that is 0/0, and the limit 0 is used instead.
[[gnu::flatten]] void Spring::force() {
    onVect3(
        [this](auto const& x1, auto const& x2, auto const& v1, auto const& v2) {
            auto const axis = x2 - x1;
            double len = axis.norme();
            if (len == 0.0) len = 1e-65;
            auto const u = axis / len;
            double const w = (v2 - v1) * u;
            double magnitude;
            if (!magnitudeAt(len, w, magnitude)) return;
            apply((magnitude * axis) / len);
        },
        obj1->getX(), obj2->getX(), obj1->getdx(), obj2->getdx());
}

void Spring::disp() { painter().spring(obj1->getX(), obj2->getX(), k1, L0); }

std::ostream& Spring::cdisp(std::ostream& os) { return os; }

SpringBreak::SpringBreak(System& sys_, Obj& obj1_, Obj& obj2_, double const& k1_, double const& L0_,
                         double const& fMax_)
    : Spring(obj1_, obj2_, k1_, L0_), sys(&sys_), fMax(fMax_) {}

// Tension x = (len - L0) k1; F = (x (X2 - X1)) / len while x <= fMax.
[[gnu::flatten]] void SpringBreak::force() {
    onVect3(
        [this](auto const& x1, auto const& x2) {
            auto const axis = x2 - x1;
            double const len = axis.norme();
            if (!((len - L0) * k1 <= fMax)) {
                breakMe();
                return;
            }
            // Coincident ends give no direction: nothing to apply.
            if (len != 0.0) applyTension(axis, len);
        },
        obj1->getX(), obj2->getX());
}

void SpringBreak::breakMe() { sys->delF(this); }

SpringDeform::SpringDeform(System& sys_, Obj& obj1_, Obj& obj2_, double const& k1_, double const& spare_,
                           double const& L0_, double const& dL_, double const& fMax_)
    : SpringBreak(sys_, obj1_, obj2_, k1_, L0_, fMax_), dL(dL_), spare(spare_), lastL(L0_) {}

// While lengthening (len > lastL): F = (((len - L0) k1) (X2 - X1)) / len.
// Otherwise the same F, unless the spring is below L0 - dL.
[[gnu::flatten]] void SpringDeform::force() {
    onVect3(
        [this](auto const& x1, auto const& x2) {
            auto const axis = x2 - x1;
            double const len = axis.norme();
            bool const acts = len > lastL || !(L0 - dL > len);
            lastL = len;
            if (acts && len != 0.0) applyTension(axis, len);
        },
        obj1->getX(), obj2->getX());
}
