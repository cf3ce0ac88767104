#include "bodies/Force.h"

#include <cmath>
#include <ostream>
#include <type_traits>

ObjG::ObjG(std::set<Obj*>& gravSet_, Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_,
           Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), gravSet(gravSet_) {}

ObjC::ObjC(std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_, Vect const& dx_,
           Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), chargeSet(chargeSet_), c(c_) {}

// The law: o receives s times the unit vector of d = X - X_o, with
// s = ((m G) / |d|^2) m_o, the unit vector being d (1 / sqrt |d|^2).
template <class Bodies>
void ObjG::pullAll(Bodies const& bodies) {
    onVect3(
        [&](auto const& here) {
            for (Obj* o : bodies)
                onVect3(
                    [&](auto const& self, auto const& there) {
                        auto const d = self - there;
                        double const d2 = d.normeCarree();
                        if (d2 == 0.0) return;
                        double const s = ((m * gravitationalConstant) / d2) * o->getM();
                        o->addCentralF(s * (d * (1.0 / std::sqrt(d2))));
                    },
                    here, o->getX());
        },
        X);
}

void ObjG::force() {
    if (gravOrder)
        pullAll(*gravOrder);
    else
        pullAll(gravSet);
}

// The law: o's electric field grows by ((u c) 1e12) / (|d|^2 111.26...),
// u the unit vector of d = X_o - X, d (1 / sqrt |d|^2); its magnetic field
// by zero.
template <class Charged>
void ObjC::fieldAll(Charged const& charged) {
    onVect3(
        [&](auto const& here) {
            for (ObjC* o : charged)
                onVect3(
                    [&](auto const& self, auto const& there, auto& elec, auto& magn) {
                        using V = std::decay_t<decltype(elec)>;
                        auto const d = there - self;
                        double const d2 = d.normeCarree();
                        if (d2 != 0.0) elec += (((d * (1.0 / std::sqrt(d2))) * c) * 1e12) / (d2 * coulombDivisor);
                        magn += V{0.0, 0.0, 0.0};
                    },
                    here, o->getX(), o->elecF, o->magnF);
        },
        X);
}

void ObjC::force() {
    if (chargeOrder)
        fieldAll(*chargeOrder);
    else
        fieldAll(chargeSet);
}

// Lorentz terms (c v) ^ magnF, then c elecF, each at the centre.
void ObjC::update(double const& dt) {
    onVect3(
        [this](auto& F_, auto& Mf_, auto const& v, auto const& magn, auto const& elec) {
            using V = std::decay_t<decltype(v)>;
            V const zero{0.0, 0.0, 0.0};
            addTo(F_, Mf_, (c * v) ^ magn, zero);
            addTo(F_, Mf_, c * elec, zero);
        },
        F, Mf, dx, magnF, elecF);
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
