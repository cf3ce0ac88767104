#pragma once

#include <cmath>

// -x computed as a negation that stays one: compilers fold a + (-b) into
// a - b, which differs in the sign of a NaN b, so the negated value is made
// opaque to them (at no cost: it stays in its register).
inline double negated(double x) {
    double r = -x;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    __asm__("" : "+x"(r));
#endif
    return r;
}

// Three doubles (x, y, z) as a plain value: what the engine computes with
// when every vector of a law has three components. Its operations are
// those of Vect on two 3-vectors, in the same order of operations (a
// difference adds the negated operand, a quotient multiplies by the
// reciprocal, a dot product is summed from 0.0), so both give the same bits.
// Being trivially copyable, its temporaries stay in registers.
struct Vect3 {
    double x;
    double y;
    double z;

    Vect3 operator+(Vect3 const& v) const { return {x + v.x, y + v.y, z + v.z}; }
    Vect3 operator-(Vect3 const& v) const { return {x + negated(v.x), y + negated(v.y), z + negated(v.z)}; }
    Vect3 operator-() const { return {negated(x), negated(y), negated(z)}; }
    Vect3 operator*(double k) const { return {x * k, y * k, z * k}; }
    Vect3 operator/(double k) const { return *this * (1.0 / k); }
    Vect3& operator+=(Vect3 const& v) { return *this = *this + v; }
    Vect3& operator-=(Vect3 const& v) { return *this = *this - v; }

    // Dot product.
    double operator*(Vect3 const& v) const { return ((0.0 + x * v.x) + y * v.y) + z * v.z; }
    // Cross product.
    Vect3 operator^(Vect3 const& v) const { return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x}; }
    double normeCarree() const { return *this * *this; }
    double norme() const { return std::sqrt(normeCarree()); }
    // Unit vector; the zero vector stays zero.
    Vect3 normalize() const {
        if (normeCarree() == 0.0) return {0.0, 0.0, 0.0};
        return *this * (1.0 / norme());
    }
};

inline Vect3 operator*(double k, Vect3 const& v) { return v * k; }
