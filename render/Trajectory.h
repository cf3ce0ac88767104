#pragma once

#include <cstddef>
#include <vector>

#include "numerics/Vect.h"

// The recorded path of a traced body: one position per physics step, kept
// for the whole run. Points are stored back to back (x, y, z, x, y, z, ...)
// so that the path is drawn from one vertex array, without a call per point.
class Trajectory {
public:
    // Appends the first three components of X (missing ones read as 0).
    void append(Vect const& X) {
        xyz_.push_back(X.get(0));
        xyz_.push_back(X.get(1));
        xyz_.push_back(X.get(2));
    }
    std::size_t size() const { return xyz_.size() / 3; }
    bool empty() const { return xyz_.empty(); }
    // Point i (i < size()).
    Vect point(std::size_t i) const { return Vect{xyz_[3 * i], xyz_[3 * i + 1], xyz_[3 * i + 2]}; }
    Vect back() const { return point(size() - 1); }
    double const* data() const { return xyz_.data(); }

    // One GL_LINE_STRIP through every point in order, in the current colour
    // and line width; nothing for an empty path. Needs a current GL context.
    void draw() const;

private:
    std::vector<double> xyz_;
};
