#pragma once

#include <iosfwd>
#include <string>

#include "bodies/Disp.h"

// A text drawn in the 3D scene with line strokes. The characters stand side
// by side on a horizontal circle of radius 0.5, each glyph tangent to it and
// facing its centre, so a text placed around the eye surrounds the viewer.
// Each glyph is size = 0.01 wide and lines are 1.5 size apart.
class String3d : public Disp {
public:
    // The text starts at azimuth angle (degrees, about local z, from +x
    // towards +y), at local height height, on a circle whose centre is moved
    // by shift along local x.
    String3d(std::string const& text, double const& height, double const& angle, double const& shift);

    void set(std::string const& t) { text = t; }
    std::string const& getText() const { return text; }

    // Lower-cases the stored text, then draws it into the current matrix
    // (needs a current GL context). Colour and line width are the caller's.
    void disp() override;
    // The text, a newline and a flush.
    std::ostream& cdisp(std::ostream& os) override;

    // The azimuth step between characters, in degrees: an arc of 1.5 size.
    double advance() const;

private:
    std::string text;
    double shift;
    double angle;
    double height;
    double size = 0.01;
};
