#include "bodies/Force.h"

#include <cmath>
#include <ostream>
#include <type_traits>

#include "bodies/BodyStep.h"

ObjG::ObjG(std::set<Obj*>& gravSet_, Vect const& X_, double const& m_, Vect const& dx_, Vect const& ang_,
           Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), gravSet(gravSet_) {}

ObjC::ObjC(std::set<ObjC*>& chargeSet_, Vect const& X_, double const& m_, double const& c_, Vect const& dx_,
           Vect const& ang_, Vect const& mcin_)
    : Obj(X_, m_, dx_, ang_, mcin_), chargeSet(chargeSet_), c(c_) {}

// The law: o receives s times the unit vector of d = X - X_o, with
// s = ((m G) / |d|^2) m_o, the unit vector being d (1 / sqrt |d|^2). The
// walk pushes only into the others' forces, so this body's position and
// m G are read once.
template <class Bodies>
void ObjG::pullAll(Bodies const& bodies) {
    double const mG = m * gravitationalConstant;
    onVect3(
        [&](auto const& here) {
            for (Obj* o : bodies)
                onVect3(
                    [&](auto const& self, auto const& there) {
                        auto const d = self - there;
                        double const d2 = d.normeCarree();
                        if (d2 == 0.0) return;
                        double const s = (mG / d2) * o->getM();
                        o->addCentralF(s * (d * (1.0 / std::sqrt(d2))));
                    },
                    here, o->getX());
        },
        X);
}

[[gnu::flatten]] void ObjG::force() {
    if (gravOrder)
        pullAll(*gravOrder);
    else
        pullAll(gravSet);
}

// The law: o's electric field grows by ((u c) 1e12) / (|d|^2 111.26...),
// u the unit vector of d = X_o - X, d (1 / sqrt |d|^2); its magnetic field
// by zero. The walk changes only the others' fields, so this body's
// position (as -X, d being X_o + (-X)) and charge are read once.
template <class Charged>
void ObjC::fieldAll(Charged const& charged) {
    double const q = c;
    onVect3(
        [&](auto const& here) {
            auto const away = -here;
            for (ObjC* o : charged)
                onVect3(
                    [&](auto const& minusSelf, auto const& there, auto& elec, auto& magn) {
                        using V = std::decay_t<decltype(elec)>;
                        auto const d = there + minusSelf;
                        double const d2 = d.normeCarree();
                        if (d2 != 0.0) elec += (((d * (1.0 / std::sqrt(d2))) * q) * 1e12) / (d2 * coulombDivisor);
                        magn += V{0.0, 0.0, 0.0};
                    },
                    away, o->getX(), o->elecF, o->magnF);
        },
        X);
}

[[gnu::flatten]] void ObjC::force() {
    if (chargeOrder)
        fieldAll(*chargeOrder);
    else
        fieldAll(chargeSet);
}

// Lorentz terms (c v) ^ magnF, then c elecF, each at the centre; then the
// body step.
[[gnu::flatten]] void ObjC::update(double const& dt) {
    stepWith(
        dt,
        [this](auto& F_, auto& Mf_, auto const& v, auto const& magn, auto const& elec) {
            using V = std::decay_t<decltype(v)>;
            V const zero{0.0, 0.0, 0.0};
            addTo(F_, Mf_, (c * v) ^ magn, zero);
            addTo(F_, Mf_, c * elec, zero);
        },
        magnF, elecF);
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
