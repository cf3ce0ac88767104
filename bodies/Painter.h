#pragma once

#include "numerics/Vect.h"

// The engine's drawing seam. Bodies, springs and systems describe what they
// look like through the Painter in effect, which a PainterScope installs
// (the viewers install one that issues OpenGL calls). Without one every call
// does nothing, so the engine links and runs without any graphics library.
class Painter {
public:
    virtual ~Painter() = default;
    // A point body at X.
    virtual void point(Vect const& /*X*/) {}
    // A ball of radius r at X, turned by the rotation vector ang.
    virtual void ball(Vect const& /*X*/, Vect const& /*ang*/, double /*r*/) {}
    // A spring of stiffness k1 and rest length L0 between X1 and X2.
    virtual void spring(Vect const& /*X1*/, Vect const& /*X2*/, double /*k1*/, double /*L0*/) {}
    // Moves the drawing frame to a system's position and scale; the change
    // stays in effect for whatever is drawn next.
    virtual void systemFrame(Vect const& /*X*/, int /*scale*/) {}
};

// The painter in effect: the one of the innermost live PainterScope, or a
// do-nothing one while there is none.
Painter& painter();

// Installs a painter for the scope's lifetime. Scopes nest: the destructor
// takes this scope's painter out again, so the painter in effect is always
// one that a live scope holds, even when scopes end out of order.
class PainterScope {
public:
    explicit PainterScope(Painter& p);
    ~PainterScope();
    PainterScope(PainterScope const&) = delete;
    PainterScope& operator=(PainterScope const&) = delete;

private:
    friend Painter& painter();
    Painter& painter_;
    PainterScope* below_;
};
