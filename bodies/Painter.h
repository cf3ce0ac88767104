#pragma once

#include "numerics/Vect.h"

// The engine's drawing seam. Bodies, springs and systems describe what they
// look like through the installed Painter; the render layer installs one
// that issues OpenGL calls. Until then every call does nothing, so the
// engine links and runs without any graphics library.
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

// The installed painter (a do-nothing one until setPainter is called).
Painter& painter();
// Installs p, which must outlive its use; nullptr restores the do-nothing one.
void setPainter(Painter* p);
