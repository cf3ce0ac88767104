#pragma once

#include <iosfwd>
#include <memory>
#include <set>
#include <vector>

#include "bodies/Force.h"
#include "systems/InsertionSet.h"
#include "systems/Spring.h"

// The container that makes a simulation: it holds bodies, what acts on them
// (acting bodies, springs) and subsystems, steps them with update(dt) and
// writes them as text. A system is itself a gravitating and charged body
// (mass 0, charge 0), so systems nest.
//
// Ownership: the system owns every body, spring and subsystem it creates
// and frees them when it is destroyed, never earlier; the containers below
// hold non-owning pointers. Bodies and springs are laid out in creation
// order, each kind in an arena of its own, and the step walks an array of
// the bodies kept beside the sets, in the same order.
//
// Rules (see EngineRules): a system and everything it holds, subsystems
// included, follow one set of rules, kept on the outermost system; they are
// the current ones unless setRules says otherwise.
class System : public ObjCG {
public:
    // A system at X with mass 0 and charge 0, at rest; parentObjs and
    // parentObjCs are the sets of the containing system (or sets the
    // caller keeps alive for a top-level system). V is not used.
    System(int const& scale, std::set<Obj*>& parentObjs, std::set<ObjC*>& parentObjCs, Vect const& X, Vect const& V);
    ~System() override;
    System(System const&) = delete;
    System& operator=(System const&) = delete;

    // Creates a body: a ball (BallCG) of diameter size when size is not 0,
    // else a point body (ObjCG). It joins objs; disps when shown; forces
    // when acting or charged; objCs when charged (a NaN charge counts as
    // charged). Returns the new body, owned by the system.
    ObjCG* addObj(Vect const& X, Vect const& dx, double const& m, double const& size, bool const& acting,
                  double const& c, bool const& shown);
    // Creates a spring from a to b of stiffness k and rest length L0:
    // kind 0 plain (p6, p7, p8 unused); kind 1 SpringDeform with spare p6,
    // band half-width p7 and break tension p8; kind 2 SpringBreak with
    // break tension p8. It joins forces and disps. Any other kind creates
    // nothing and returns nullptr.
    Spring* addSpring(Obj& a, Obj& b, double const& k, double const& L0, int const& kind, double const& p6,
                      double const& p7, double const& p8);
    // Removes f from forces only; it is not destroyed and stays drawn.
    void delF(Force* f);

    // g, E and B become zero 3-vectors (a parent calls this every step).
    void init() override;
    // The force pass: ambient fields to the charged members and handed
    // down, uniform gravity g m to every body and handed down, every
    // force() in insertion order, then the damping -damping v.
    void force() override;
    // One step: init() of every body and subsystem, force(), update(dt) of
    // every body, then of every subsystem.
    void update(double const& dt) override;
    // "SYSTEM ---", every member of disps in insertion order, "--------"
    // and an empty line. Subsystems are not written.
    std::ostream& cdisp(std::ostream& os) override;
    // The frame (position and scale), every member of disps, then every
    // subsystem, each in insertion order.
    void disp() override;
    // The rules of this system's whole tree become r; every member, of
    // this system or of a subsystem, made before or after, follows them.
    void setRules(EngineRules const& r) override;
    void collide() {}

    // A lattice of counts (x, y, z) bodies spaced s apart from origin, of
    // total mass M and diameter s / 2, joined to their backward neighbours
    // by plain springs of stiffness k (mode 0: rest lengths s, s sqrt 2,
    // s sqrt 3; mode 1: all s). flag has no effect. Every body gets charge
    // q, the shown flag and velocity v. Returns the bodies, x fastest. An
    // unknown mode or a negative (or NaN) count adds nothing.
    std::vector<Obj*> generate(Vect const& origin, Vect const& counts, double const& s, double const& M,
                               int const& mode, double const& k, bool const& flag, double const& q, bool const& shown,
                               Vect const& v);
    // A bob at origin on a spring (k 500, rest length) from a fixed anchor
    // of mass 1 at origin + (length). Returns the bob.
    Obj* generatePendulum(Vect const& origin, double const& length, double const& mass, double const& size);
    // A bob tied by a zero-length spring to the free end of a hidden rope
    // of ten bodies hanging from its far end. Returns the rope, then the bob.
    std::vector<Obj*> generatePendulum2(Vect const& origin, double const& length, double const& mass,
                                        double const& size);
    // A bob tied to a hidden 10 x 2 x 2 rope of mass 50 hanging from one
    // edge of its far end. Returns the 40 rope bodies, then the bob.
    std::vector<Obj*> generatePendulum3(Vect const& origin, double const& length, double const& mass,
                                        double const& size);
    // An empty subsystem at position with drawing scale number (truncated),
    // gravitating in this system's sets. Owned by this system.
    System* addSys(Vect const& position, double const& number);

private:
    // The sets the members' own laws walk; callers read them as objs and
    // objCs below, and change them only through addObj, so that the step's
    // arrays always hold the same members.
    std::set<Obj*> ownObjs_;
    std::set<ObjC*> ownObjCs_;

public:
    int scale;
    // The member bodies, in pointer order (read-only: see addObj).
    std::set<Obj*> const& objs = ownObjs_;
    InsertionSet<Force> forces;
    // The charged member bodies, in pointer order (read-only: see addObj).
    std::set<ObjC*> const& objCs = ownObjCs_;
    InsertionSet<System> systems;
    Vect g;
    Vect E;
    Vect B;
    InsertionSet<Disp> disps;
    double damping = 0.0;

private:
    std::vector<std::unique_ptr<System>> ownedSystems_;
    // The rules of the tree when this system is the outermost one; rules
    // (of Obj) points here, or, in a subsystem, where its parent's points.
    EngineRules ownRules_;

    // The member array the step walks and the arenas that hold the members
    // (defined in System.cpp). Declared last: the members are freed before
    // the containers that point to them go.
    struct Members;
    std::unique_ptr<Members> members_;
};
