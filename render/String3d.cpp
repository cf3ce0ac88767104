#include "render/String3d.h"

#include <GL/gl.h>

#include <cctype>
#include <ostream>

#include "numerics/Constants.h"
#include "render/Glyphs.h"

namespace {
// Radius of the circle the characters stand on.
constexpr double radius = 0.5;

// Point (u, v) of the glyph grid: the glyph lies in the plane x = 0 and
// reads along -y, towards where the next character goes.
void glyphVertex(GlyphPoint const& p, double s) { glVertex3d(0, s * (1 - p.u), s * p.v); }

void drawGlyph(std::vector<GlyphStroke> const& strokes, double s) {
    for (GlyphStroke const& stroke : strokes) {
        glBegin(stroke.points ? GL_POINTS : GL_LINE_STRIP);
        for (GlyphPoint const& p : stroke.at) glyphVertex(p, s);
        glEnd();
    }
}
}  // namespace

String3d::String3d(std::string const& text_, double const& height_, double const& angle_, double const& shift_)
    : text(text_), shift(shift_), angle(angle_), height(height_) {}

// s·2·360·0.5/π·3·0.5 = 540 s/π degrees: an arc of 1.5 s on the circle.
double String3d::advance() const { return size * 2 * 360 * 0.5 / pi * 3 * 0.5; }

// Every character first turns the frame clockwise (seen from above) about
// the circle's centre by one advance, newlines included; a newline then
// turns back by the advances of its line and drops 1.5 s, so the next line
// starts at the same azimuth as the first.
void String3d::disp() {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    double const delta = advance();
    glPushMatrix();
    glTranslated(shift, 0, 0);
    glTranslated(0, 0, height);
    glRotated(angle, 0, 0, 1);
    glTranslated(radius, 0, 0);
    int n = 0;
    for (char const c : text) {
        glTranslated(-radius, 0, 0);
        glRotated(-delta, 0, 0, 1);
        glTranslated(radius, 0, 0);
        ++n;
        if (c == '\n') {
            glTranslated(-radius, 0, 0);
            glRotated(n * delta, 0, 0, 1);
            glTranslated(0, 0, -1.5 * size);
            glTranslated(radius, 0, 0);
            n = 0;
        } else if (std::vector<GlyphStroke> const* glyph = glyphFor(c)) {
            drawGlyph(*glyph, size);
        }
    }
    glPopMatrix();
}

std::ostream& String3d::cdisp(std::ostream& os) { return os << text << std::endl; }
