#pragma once

#include <iosfwd>

// Everything that can be shown: drawn in the 3D view and written as text.
class Disp {
public:
    virtual ~Disp() = default;
    // Draws the object through the installed Painter (a no-op without one).
    virtual void disp() = 0;
    // Writes the object's text block and returns the stream.
    virtual std::ostream& cdisp(std::ostream& os) = 0;
};

// d.cdisp(os): every text dump of the engine goes through this.
std::ostream& operator<<(std::ostream& os, Disp& d);
