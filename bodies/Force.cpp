#include "bodies/Force.h"

#include <cmath>
#include <ostream>

ObjG::ObjG(std::set<Obj*>& gravSet_, Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_,
           Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), gravSet(gravSet_) {}

ObjC::ObjC(std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_, Vect const& dx_,
           Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), chargeSet(chargeSet_), c(c_) {}

// Lorentz terms (c v) ^ magnF, then c elecF, each at the centre.
void ObjC::update(double const& dt) {
    addCentralF((c * dx) ^ magnF);
    addCentralF(c * elecF);
    Obj::update(dt);
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

// Each law adds to its own accumulators (elecF and magnF, F and Mf), and
// every o gets one term of each, so walking the pairs once gives the bits
// of the two walks of force().
void ObjCG::forceOn(std::vector<Obj*> const& bodies, std::vector<ObjC*> const& charged, bool sameBodies) {
    if (!sameBodies) {
        fieldAll(charged);
        pullAll(bodies);
        return;
    }
    Vect const zero(3u);
    Vect const here = X;
    std::size_t const n = bodies.size();
    for (std::size_t i = 0; i < n; ++i) {
        Obj& o = *bodies[i];
        ObjC& q = *charged[i];
        Vect const& xo = o.getX();
        Vect const dq = xo - here;
        Vect const dg = here - xo;
        double const d2q = dq.normeCarree();
        double const d2g = dg.normeCarree();
        if (d2q == d2g) {
            if (d2g != 0.0) {
                double const inv = 1.0 / std::sqrt(d2g);
                field(q, dq, d2q, inv);
                pull(o, dg, d2g, inv);
            }
        } else {
            if (d2q != 0.0) field(q, dq, d2q, 1.0 / std::sqrt(d2q));
            if (d2g != 0.0) pull(o, dg, d2g, 1.0 / std::sqrt(d2g));
        }
        q.addMagnF(zero);
    }
}
