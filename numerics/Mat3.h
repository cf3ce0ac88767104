#pragma once

#include "numerics/Vect3.h"

// A 3 x 3 matrix as a plain value, row-major: how the body step applies
// dt I^-1. Its operations are those of Matrix on 3 x 3 operands.
struct Mat3 {
    double a[9];

    Mat3 operator*(double k) const {
        return {{a[0] * k, a[1] * k, a[2] * k, a[3] * k, a[4] * k, a[5] * k, a[6] * k, a[7] * k, a[8] * k}};
    }
    // Each component summed over the row from 0.0.
    Vect3 operator*(Vect3 const& v) const {
        return {((0.0 + a[0] * v.x) + a[1] * v.y) + a[2] * v.z, ((0.0 + a[3] * v.x) + a[4] * v.y) + a[5] * v.z,
                ((0.0 + a[6] * v.x) + a[7] * v.y) + a[8] * v.z};
    }
};

inline Mat3 operator*(double k, Mat3 const& m) { return m * k; }
