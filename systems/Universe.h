#pragma once

#include <iosfwd>
#include <set>

#include "bodies/Disp.h"
#include "systems/System.h"

// The outermost holder of a simulation: a top-level system at the origin
// with drawing scale 1, together with the two sets it needs from its
// container (they stay empty).
class Universe : public Disp {
public:
    Universe();

    // The top-level system (always the same one), through which callers
    // fill and step the simulation. Owned by the universe.
    System* get() { return &sys; }

    // Draws the system.
    void disp() override;
    // Writes the system's dump and nothing of its own.
    std::ostream& cdisp(std::ostream& os) override;

private:
    // Declared before sys, so they outlive it.
    std::set<Obj*> objs;
    std::set<ObjC*> objCs;
    System sys;
};
