#pragma once

#include <vector>

// The stroke glyphs of the 3D text. A glyph lies on a 3 x 3 grid in glyph
// coordinates (u, v), u along the reading direction and v upward, both in
// units of the glyph size.
struct GlyphPoint {
    double u;
    double v;
};

// One primitive: a line strip through the points, or separate points.
struct GlyphStroke {
    bool points;
    std::vector<GlyphPoint> at;
};

// The strokes of ch in drawing order, or nullptr for a character without a
// glyph (upper-case letters, the space and anything outside the table).
std::vector<GlyphStroke> const* glyphFor(char ch);
