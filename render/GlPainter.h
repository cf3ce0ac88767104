#pragma once

#include "bodies/Painter.h"

// The OpenGL drawing of the engine's bodies, springs and systems, in
// immediate mode into the current matrix (needs a current GL context). The
// colour, point size and line width each call sets are left in effect.
class GlPainter : public Painter {
public:
    // A white dot of 2 pixels at X.
    void point(Vect const& X) override;
    // A yellow solid sphere of radius 2·r·0.999 inside a translucent wire
    // shell of radius 2·r, turned by |ang| degrees about ang.
    void ball(Vect const& X, Vect const& ang, double r) override;
    // A line X1 to X2 whose colour and opacity grow with the tension: from
    // an almost invisible white at rest length to an opaque yellow.
    void spring(Vect const& X1, Vect const& X2, double k1, double L0) override;
    // Translates to X then scales by scale, without saving the matrix: the
    // change stays in effect for whatever is drawn next.
    void systemFrame(Vect const& X, int scale) override;
};
