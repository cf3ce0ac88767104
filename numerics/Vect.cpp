#include "numerics/Vect.h"

#include <ostream>

Vect Vect::cut(unsigned int const& start, unsigned int count) const {
    if (count == 0) {
        // "Up to the end"; a start past the end leaves nothing to take.
        if (start >= getDim()) return Vect();
        count = getDim() - start;
    }
    Vect r;
    r.c_.resizeUninitialised(count);
    for (unsigned int k = 0; k < count; ++k) {
        // Compute the index in 64 bits so start + k cannot wrap around.
        std::size_t const i = std::size_t(start) + k;
        r.c_[k] = i < c_.size() ? c_[i] : 0.0;
    }
    return r;
}

bool Vect::compare(Vect const& v, double const& tol, bool const& ignoreDim) const {
    if (!ignoreDim && c_.size() != v.c_.size()) return false;
    std::size_t const n = c_.size() < v.c_.size() ? c_.size() : v.c_.size();
    for (std::size_t i = 0; i < n; ++i)
        if (std::fabs(v.c_[i] - c_[i]) > tol) return false;
    return true;
}

bool Vect::compare2(Vect const& v, double const& tol) const { return (*this - v).normeCarree() <= tol * tol; }

std::ostream& operator<<(std::ostream& os, Vect const& v) {
    for (unsigned int i = 0; i < v.getDim(); ++i) os << v.get(i) << ' ';
    return os << std::endl;
}
