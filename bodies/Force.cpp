#include "bodies/Force.h"

#include <cmath>
#include <ostream>

namespace {
// 4 pi eps0 / 1e-12, with eps0 = 8.854e-12.
constexpr double coulombDivisor = 111.2626454195361;
}  // namespace

ObjG::ObjG(std::set<Obj*>& gravSet_, Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_,
           Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), gravSet(gravSet_) {}

// For each o: d = X - X_o; skip when |d|^2 == 0; otherwise
// s = ((m G) / |d|^2) m_o and o receives s * normalize(d) at its centre,
// normalize(d) being d * (1 / sqrt(|d|^2)). The three-dimensional case runs
// on raw components with exactly these operations.
void ObjG::force() {
    bool const flat = X.getDim() == 3;
    double const* xs = X.data();
    for (Obj* o : gravSet) {
        Vect const& xo = o->position();
        if (!flat || xo.getDim() != 3) {
            Vect const d = X - xo;
            double const d2 = d.normeCarree();
            if (d2 == 0.0) continue;
            double const s = ((m * gravitationalConstant) / d2) * o->getM();
            o->addCentralF(s * d.normalize());
            continue;
        }
        double const* xt = xo.data();
        double const d0 = xs[0] + (-xt[0]), d1 = xs[1] + (-xt[1]), d2c = xs[2] + (-xt[2]);
        double d2 = 0.0;
        d2 += d0 * d0;
        d2 += d1 * d1;
        d2 += d2c * d2c;
        if (d2 == 0.0) continue;
        double const s = ((m * gravitationalConstant) / d2) * o->getM();
        double const inv = 1.0 / std::sqrt(d2);
        o->addCentralF((d0 * inv) * s, (d1 * inv) * s, (d2c * inv) * s);
    }
}

ObjC::ObjC(std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_, Vect const& dx_,
           Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), chargeSet(chargeSet_), c(c_) {}

// For each o: d = X_o - X; unless |d|^2 == 0, elecF_o grows by
// ((normalize(d) c) 1e12) / (|d|^2 111.2626454195361); magnF_o always grows
// by the zero vector (no magnetic source law).
// The three-dimensional case runs on raw components with exactly these
// operations, normalize(d) being d * (1 / sqrt(|d|^2)).
void ObjC::force() {
    Vect const zero(3u);
    bool const flat = X.getDim() == 3;
    double const* xs = X.data();
    for (ObjC* o : chargeSet) {
        Vect const& xo = o->X;
        if (!flat || xo.getDim() != 3 || o->elecF.getDim() != 3 || o->magnF.getDim() != 3) {
            Vect const d = xo - X;
            double const d2 = d.normeCarree();
            if (d2 != 0.0) o->elecF += ((d.normalize() * c) * 1e12) / (d2 * coulombDivisor);
            o->magnF += zero;
            continue;
        }
        double const* xt = xo.data();
        double const d[3] = {xt[0] + (-xs[0]), xt[1] + (-xs[1]), xt[2] + (-xs[2])};
        double d2 = 0.0;
        for (int k = 0; k < 3; ++k) d2 += d[k] * d[k];
        if (d2 != 0.0) {
            double const inv = 1.0 / std::sqrt(d2);
            double const scale = 1.0 / (d2 * coulombDivisor);
            double* e = o->elecF.data();
            for (int k = 0; k < 3; ++k) e[k] = e[k] + (((d[k] * inv) * c) * 1e12) * scale;
        }
        double* b = o->magnF.data();
        for (int k = 0; k < 3; ++k) b[k] = b[k] + 0.0;
    }
}

// Lorentz terms (c v) ^ magnF, then c elecF, each at the centre.
void ObjC::update(double const& dt) {
    addCentralF((c * dx) ^ magnF);
    addCentralF(c * elecF);
    Obj::update(dt);
}

void ObjC::init() {
    Obj::init();
    clearToZero3(magnF);
    clearToZero3(elecF);
}

std::ostream& ObjC::writeChargeBlock(std::ostream& os) {
    writeObjBlock(os);
    os << "Charg : " << c << std::endl;
    os << "ElecF : " << elecF;
    os << "MagnF : " << magnF;
    return os;
}

std::ostream& ObjC::cdisp(std::ostream& os) { return writeChargeBlock(os); }

ObjCG::ObjCG(std::set<Obj*>& gravSet_, std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_,
             Vect const& dx_, Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_),
      ObjC(chargeSet_, X_, m_, c_, dx_, ang_, mcin_),
      ObjG(gravSet_, X_, m_, dx_, ang_, mcin_) {}

void ObjCG::force() {
    ObjC::force();
    ObjG::force();
}
