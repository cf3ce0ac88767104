#include "bodies/Force.h"

#include <ostream>

namespace {
// 4 pi eps0 / 1e-12, with eps0 = 8.854e-12.
constexpr double coulombDivisor = 111.2626454195361;
}  // namespace

ObjG::ObjG(std::set<Obj*>& gravSet_, Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_,
           Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), gravSet(gravSet_) {}

// For each o: d = X - X_o; skip when |d|^2 == 0; otherwise
// s = ((m G) / |d|^2) m_o and o receives s * normalize(d) at its centre.
void ObjG::force() {
    Vect const zero(3u);
    for (Obj* o : gravSet) {
        Vect const d = X - o->getX();
        double const d2 = d.normeCarree();
        if (d2 == 0.0) continue;
        double const s = ((m * gravitationalConstant) / d2) * o->getM();
        o->addF(s * d.normalize(), zero);
    }
}

ObjC::ObjC(std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_, Vect const& dx_,
           Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), chargeSet(chargeSet_), c(c_) {}

// For each o: d = X_o - X; unless |d|^2 == 0, elecF_o grows by
// ((normalize(d) c) 1e12) / (|d|^2 111.2626454195361); magnF_o always grows
// by the zero vector (no magnetic source law).
void ObjC::force() {
    Vect const zero(3u);
    for (ObjC* o : chargeSet) {
        Vect const d = o->getX() - X;
        double const d2 = d.normeCarree();
        if (d2 != 0.0) o->elecF += ((d.normalize() * c) * 1e12) / (d2 * coulombDivisor);
        o->magnF += zero;
    }
}

void ObjC::update(double const& dt) {
    Vect const zero(3u);
    addF((c * dx) ^ magnF, zero);
    addF(c * elecF, zero);
    Obj::update(dt);
}

void ObjC::init() {
    Obj::init();
    magnF = Vect(3u);
    elecF = Vect(3u);
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
