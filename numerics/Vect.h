#pragma once

#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <iosfwd>
#include <vector>

#include "numerics/InlineDoubles.h"
#include "numerics/Vect3.h"

// An ordered list of doubles of any length: positions, velocities, forces,
// orientations and angular momenta. No operation fails on a dimension
// mismatch: missing components read as 0.0 and every result's dimension
// follows fixed rules (sums take the longer or shorter operand, scalings keep
// the dimension, dot products run over the common prefix). Up to three
// components live inside the object, so the usual 3-vectors never allocate.
// The engine's own laws compute with Vect3 (see onVect3); Vect is the type
// of the fields and the API.
class Vect {
public:
    Vect() = default;
    // n components, all 0.0.
    explicit Vect(unsigned int const& n) : c_(n, 0.0) {}
    Vect(std::initializer_list<double> const& l) { c_.assign(l.begin(), l.end()); }
    Vect(std::vector<double> v) { c_.assign(v.data(), v.data() + v.size()); }
    // The three components of v.
    explicit Vect(Vect3 const& v) : c_(v.x, v.y, v.z) {}
    // The vector becomes the three components of v.
    Vect& operator=(Vect3 const& v) {
        if (!is3()) c_.resize(3);
        double* a = at3();
        a[0] = v.x;
        a[1] = v.y;
        a[2] = v.z;
        return *this;
    }
    // The first three components (0.0 past the end).
    explicit operator Vect3() const {
        if (is3()) return {at3()[0], at3()[1], at3()[2]};
        return {get(0), get(1), get(2)};
    }

    // Whole-vector access.
    void set(std::vector<double> const& v) { c_.assign(v.data(), v.data() + v.size()); }
    unsigned int getDim() const { return static_cast<unsigned int>(c_.size()); }
    void addDim(double const& x) { c_.push_back(x); }
    // Removes the last component; an empty vector stays empty.
    void subDim() { c_.pop_back(); }
    void setDim(unsigned int const& n) { c_.resize(n); }
    void set0() { std::fill(c_.begin(), c_.end(), 0.0); }

    // The components themselves, for inner loops that have checked getDim().
    double const* data() const { return c_.data(); }
    double* data() { return c_.data(); }

    // Component i, or 0.0 past the end.
    double get(unsigned int const& i) const { return i < c_.size() ? c_[i] : 0.0; }
    // Writes component i, first growing the vector with zeros up to i + 1.
    void set(unsigned int const& i, double const& x) {
        if (i >= c_.size()) c_.resize(std::size_t(i) + 1);
        c_[i] = x;
    }
    // count components read from start on (0.0 past the end); count 0 means
    // "to the end", and a start beyond the end then gives an empty vector.
    Vect cut(unsigned int const& start, unsigned int count) const;

    // Componentwise sum: with longer true the result has the larger
    // dimension (the tail copied from the longer operand), otherwise the
    // smaller one.
    Vect add(Vect const& v, bool const& longer) const { return combine(v, longer, false); }
    // add(v.oppose(), longer): every component of v is negated first (a NaN
    // included), so components found only in v appear negated.
    Vect sub(Vect const& v, bool const& longer) const { return combine(v, longer, true); }
    Vect operator+(Vect const& v) const { return add(v, true); }
    // In place when v is not the longer one: the sum of add(v, true), with
    // the tail kept (adding an empty vector changes nothing).
    Vect& operator+=(Vect const& v) {
        if (v.c_.size() > c_.size()) return *this = add(v, true);
        double* a = c_.data();
        double const* b = v.c_.data();
        for (std::size_t i = 0; i < v.c_.size(); ++i) a[i] = a[i] + b[i];
        return *this;
    }
    Vect operator-(Vect const& v) const { return sub(v, true); }
    Vect& operator-=(Vect const& v) { return *this = sub(v, true); }
    Vect oppose() const;
    Vect operator-() const { return oppose(); }
    Vect mult(double const& k) const {
        if (c_.empty()) return Vect();
        return multAny(k);
    }
    Vect operator*(double const& k) const { return mult(k); }
    // Multiplies by the reciprocal 1 / k, formed first; k = 0 gives inf/NaN.
    Vect operator/(double const& k) const { return mult(1.0 / k); }
    Vect& operator*=(double const& k) { return *this = mult(k); }
    Vect& operator/=(double const& k) { return *this = mult(1.0 / k); }

    // Dot product over the common prefix, summed from 0.0; 0.0 when either
    // is empty.
    double prodScal(Vect const& v) const;
    double operator*(Vect const& v) const { return prodScal(v); }
    // Cross product of two 3-vectors; any other pair gives (0, 0, 0).
    Vect prodVect(Vect const& v) const {
        if (!is3() || !v.is3()) return Vect(0.0, 0.0, 0.0);
        return Vect(static_cast<Vect3>(*this) ^ static_cast<Vect3>(v));
    }
    Vect operator^(Vect const& v) const { return prodVect(v); }
    double normeCarree() const { return prodScal(*this); }
    double norme() const { return std::sqrt(normeCarree()); }
    // v || true is the length, v || false its square.
    double operator||(bool const& root) const { return root ? norme() : normeCarree(); }
    // Unit vector; a zero vector stays zero and an empty one empty.
    Vect normalize() const {
        if (c_.empty()) return Vect();
        if (normeCarree() == 0.0) return Vect(getDim());
        return mult(1.0 / norme());
    }

    // Same dimension and every component equal by == (NaN never equal).
    bool compareFast(Vect const& v) const {
        if (c_.size() != v.c_.size()) return false;
        for (std::size_t i = 0; i < c_.size(); ++i)
            if (!(c_[i] == v.c_[i])) return false;
        return true;
    }
    bool operator==(Vect const& v) const { return compareFast(v); }
    bool operator!=(Vect const& v) const { return !compareFast(v); }
    // Every common component within tol (a NaN difference passes); with
    // ignoreDim false, different dimensions compare unequal.
    bool compare(Vect const& v, double const& tol, bool const& ignoreDim) const;
    // |this - v|^2 <= tol^2, the difference taken at the longer dimension.
    bool compare2(Vect const& v, double const& tol) const;

private:
    // The three-component value (x, y, z).
    Vect(double x, double y, double z) : c_(x, y, z) {}
    bool is3() const { return c_.size() == 3; }
    // The components of a 3-vector, which are stored inside the object.
    double const* at3() const { return c_.inlineData(); }
    double* at3() { return c_.inlineData(); }
    // this + v, or this + (-v) when negate, under the dimension rule of add.
    Vect combine(Vect const& v, bool longer, bool negate) const;
    // mult of a vector that is not empty.
    Vect multAny(double k) const;

    InlineDoubles<3> c_;
};

inline Vect operator*(double const& k, Vect const& v) { return v.mult(k); }
inline Vect operator*(int const& k, Vect const& v) { return v.mult(static_cast<double>(k)); }
inline Vect operator*(unsigned int const& k, Vect const& v) { return v.mult(static_cast<double>(k)); }

// Each component with the stream's formatting followed by a blank, then
// std::endl. This is the vector format of every text dump.
std::ostream& operator<<(std::ostream& os, Vect const& v);
