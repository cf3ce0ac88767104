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
    void force() override;

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
    void force() override;

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

private:
    // The walk of the acting bodies adds to the fields.
    friend struct ActingWalk;
};

// A gravitating and charged body, the point body that systems create.
class ObjCG : public ObjC, public ObjG {
public:
    ObjCG(std::set<Obj*>& gravSet, std::set<ObjC*>& chargeSet, Vect const& X, double const& m, double const& c,
          Vect const& dx, Vect const& ang, Vect const& mcin);

    // The electric field first, then gravitation: each body of chargeSet
    // gets its field, then each body of gravSet its pull, in the order of
    // the sets; a body made by a system gives each member both terms in
    // one walk, in the order the system keeps its members.
    void force() override;

private:
    friend class System;
    friend struct ActingWalk;

    // A member of a system as the walk of its acting bodies sees it: the
    // body, and its charged part when it is charged (null otherwise).
    struct ActedOn {
        Obj* body;
        ObjC* charge;
    };
    // Makes force() walk members instead of the two sets: every body of
    // members (those of gravSet, in the order the system keeps them) gets
    // its field, when charged, and its pull, each the very term of the two
    // walks, in one walk. members must outlive this body.
    void setMembers(std::vector<ActedOn> const& members) { members_ = &members; }

    std::vector<ActedOn> const* members_ = nullptr;
};
