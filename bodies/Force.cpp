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

template <class V>
void ObjG::pull(Obj& o, V const& d, double d2, double inv, double mG) {
    o.addCentralF(((mG / d2) * o.getM()) * (d * inv));
}

template <class V>
void ObjG::pullFrom(V const& here, Obj& o, double mG) {
    onVect3(
        [&](auto const& self, auto const& there) {
            auto const d = self - there;
            double const d2 = d.normeCarree();
            if (d2 != 0.0) pull(o, d, d2, 1.0 / std::sqrt(d2), mG);
        },
        here, o.getX());
}

template <class V>
void ObjC::field(ObjC& o, V const& d, double d2, double inv, double q) {
    onVect3(
        [&](auto const& d_, auto& elec, auto& magn) {
            using W = std::decay_t<decltype(elec)>;
            if (d2 != 0.0) elec += (((d_ * inv) * q) * 1e12) / (d2 * coulombDivisor);
            magn += W{0.0, 0.0, 0.0};
        },
        d, o.elecF, o.magnF);
}

// The walks push only into the others: this body's position, m G and
// charge are read once, before them.
[[gnu::flatten]] void ObjG::force() {
    double const mG = m * gravitationalConstant;
    onVect3(
        [&](auto const& here) {
            for (Obj* o : gravSet) pullFrom(here, *o, mG);
        },
        X);
}

[[gnu::flatten]] void ObjC::force() {
    double const q = c;
    onVect3(
        [&](auto const& here) {
            for (ObjC* o : chargeSet)
                onVect3(
                    [&](auto const& self, auto const& there) {
                        auto const d = there - self;
                        double const d2 = d.normeCarree();
                        field(*o, d, d2, 1.0 / std::sqrt(d2), q);
                    },
                    here, o->getX());
        },
        X);
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
    if (!members_) {
        ObjC::force();
        ObjG::force();
        return;
    }
    walkMembers();
}

// The field's d = X_o - X is written X_o + (-X), with -X formed once; the
// pull's d = X - X_o. Their squared lengths are equal but for a NaN, so one
// square root serves both laws.
[[gnu::flatten]] void ObjCG::walkMembers() {
    double const q = c;
    double const mG = m * gravitationalConstant;
    onVect3(
        [&](auto const& here) {
            auto const away = -here;
            for (ActedOn const& a : *members_) {
                if (!a.charge) {
                    pullFrom(here, *a.body, mG);
                    continue;
                }
                onVect3(
                    [&](auto const& self, auto const& minusSelf, auto const& there) {
                        auto const dg = self - there;
                        auto const dq = there + minusSelf;
                        double const d2g = dg.normeCarree();
                        double const d2q = dq.normeCarree();
                        double const inv = 1.0 / std::sqrt(d2g);
                        field(*a.charge, dq, d2q, d2q == d2g ? inv : 1.0 / std::sqrt(d2q), q);
                        if (d2g != 0.0) pull(*a.body, dg, d2g, inv, mG);
                    },
                    here, away, a.body->getX());
            }
        },
        X);
}
