#pragma once

#include <cmath>
#include <cstddef>
#include <iosfwd>
#include <set>
#include <vector>

#include "bodies/Obj.h"

// Everything that acts on bodies. A system calls force() of each of its
// acting members once per step, between clearing and integrating.
class Force {
public:
    virtual ~Force() = default;
    virtual void force() = 0;
};

// Gravitation in SI units.
constexpr double gravitationalConstant = 6.673e-11;
// 4 pi eps0 / 1e-12, with eps0 = 8.854e-12.
constexpr double coulombDivisor = 111.2626454195361;

// A body that attracts every body of its system by Newtonian gravitation.
class ObjG : public virtual Obj, public virtual Force {
public:
    // gravSet is the body set of the creating system; it is neither owned
    // nor modified (the system decides membership).
    ObjG(std::set<Obj*>& gravSet, Vect const& X, double const& m, Vect const& dx, Vect const& ang, Vect const& mcin);

    // Pulls every other body o of gravSet toward this one with
    // ((m G) / |d|^2) m_o along d = X - X_o; coincident bodies are skipped.
    // Only o is pushed; the reaction comes from o's own force(), if any.
    void force() override { pullAll(gravSet); }

    // force() over any list of bodies (a system passes its own array of
    // the members of gravSet).
    template <class Bodies>
    void pullAll(Bodies const& bodies) {
        // The walk pushes only into the other bodies' forces: X is read
        // once, into a local the compiler need not reload.
        Vect const here = X;
        for (Obj* o : bodies) {
            Vect const d = here - o->getX();
            double const d2 = d.normeCarree();
            if (d2 == 0.0) continue;
            pull(*o, d, d2, 1.0 / std::sqrt(d2));
        }
    }

    // The law: o receives s times the unit vector d inv, with
    // s = ((m G) / d2) m_o, for d = X - X_o, d2 = |d|^2 (not 0) and
    // inv = 1 / sqrt(d2), so that d inv is normalize(d).
    [[gnu::always_inline]] void pull(Obj& o, Vect const& d, double d2, double inv) const {
        double const s = ((m * gravitationalConstant) / d2) * o.getM();
        o.addCentralF(s * (d * inv));
    }

protected:
    std::set<Obj*>& gravSet;
};

// A charged body: it adds its Coulomb field to every charged body of its
// system and, when integrated, feels the Lorentz force of the fields that
// the others gave it during the step.
class ObjC : public virtual Obj, public virtual Force {
public:
    // chargeSet is the charged set of the creating system; not owned.
    ObjC(std::set<ObjC*>& chargeSet, Vect const& X, double const& m, double const& c, Vect const& dx, Vect const& ang,
         Vect const& mcin);

    // Adds to every other charged body o of chargeSet the field
    // ((u c) 1e12) / (|d|^2 111.2626454195361), u the unit vector of
    // d = X_o - X (1e12 / 111.26... is 1 / (4 pi eps0)); coincident bodies
    // get no electric field. Every o's magnetic field grows by zero.
    void force() override { fieldAll(chargeSet); }

    // force() over any list of charged bodies (a system passes its own
    // array of the members of chargeSet).
    template <class Charged>
    void fieldAll(Charged const& charged) {
        Vect const zero(3u);
        Vect const here = X;
        for (ObjC* o : charged) {
            Vect const d = o->getX() - here;
            double const d2 = d.normeCarree();
            if (d2 != 0.0) field(*o, d, d2, 1.0 / std::sqrt(d2));
            o->magnF += zero;
        }
    }

    // The law: o's electric field grows by ((u c) 1e12) / (d2 111.26...),
    // u = d inv, for d = X_o - X, d2 = |d|^2 (not 0) and inv = 1 / sqrt(d2).
    [[gnu::always_inline]] void field(ObjC& o, Vect const& d, double d2, double inv) const {
        o.elecF += (((d * inv) * c) * 1e12) / (d2 * coulombDivisor);
    }
    // Adds (c v) ^ magnF and c elecF to the force, then Obj::update(dt).
    void update(double const& dt) override;
    // Clears the force (and torque, per the rules), then both fields.
    void init() override {
        Obj::init();
        clearToZero3(magnF);
        clearToZero3(elecF);
    }
    // The body block, then the charge and both fields.
    std::ostream& cdisp(std::ostream& os) override;

    double getC() const { return c; }
    void setC(double const& v) { c = v; }
    // Fields accumulated during the current step (empty before the first
    // init()).
    Vect getElecF() const { return elecF; }
    Vect getMagnF() const { return magnF; }
    void addElecF(Vect const& f) { elecF += f; }
    void addMagnF(Vect const& f) { magnF += f; }

protected:
    // Writes the body block and the charge and field lines.
    std::ostream& writeChargeBlock(std::ostream& os);

    std::set<ObjC*>& chargeSet;
    double c;
    Vect elecF;
    Vect magnF;
};

// A gravitating and charged body, the point body that systems create.
class ObjCG : public ObjC, public ObjG {
public:
    ObjCG(std::set<Obj*>& gravSet, std::set<ObjC*>& chargeSet, Vect const& X, double const& m, double const& c,
          Vect const& dx, Vect const& ang, Vect const& mcin);

    // The electric field first, then gravitation.
    void force() override;

    // force() with the system's arrays: bodies (the members of gravSet)
    // and charged (those of chargeSet). When sameBodies says that
    // charged[i] is bodies[i] for every i, both laws run in one walk that
    // takes one square root per pair wherever the two squared distances
    // agree (always, unless one is NaN).
    void forceOn(std::vector<Obj*> const& bodies, std::vector<ObjC*> const& charged, bool sameBodies);
};
