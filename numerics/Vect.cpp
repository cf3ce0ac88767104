#include "numerics/Vect.h"

#include <ostream>

Vect Vect::combine(Vect const& v, bool longer, bool negate) const {
    std::size_t const na = c_.size(), nb = v.c_.size();
    std::size_t const common = na < nb ? na : nb;
    std::size_t const n = longer ? (na < nb ? nb : na) : common;
    Vect r;
    r.c_.resizeUninitialised(n);
    double const* a = c_.data();
    double const* b = v.c_.data();
    double* out = r.c_.data();
    for (std::size_t i = 0; i < common; ++i) out[i] = negate ? a[i] + negated(b[i]) : a[i] + b[i];
    if (na > nb)
        for (std::size_t i = common; i < n; ++i) out[i] = a[i];
    else
        for (std::size_t i = common; i < n; ++i) out[i] = negate ? negated(b[i]) : b[i];
    return r;
}

Vect Vect::oppose() const {
    Vect r;
    r.c_.resizeUninitialised(c_.size());
    for (std::size_t i = 0; i < c_.size(); ++i) r.c_[i] = negated(c_[i]);
    return r;
}

Vect Vect::multAny(double k) const {
    Vect r;
    r.c_.resizeUninitialised(c_.size());
    for (std::size_t i = 0; i < c_.size(); ++i) r.c_[i] = c_[i] * k;
    return r;
}

double Vect::prodScal(Vect const& v) const {
    std::size_t const n = c_.size() < v.c_.size() ? c_.size() : v.c_.size();
    double const* a = c_.data();
    double const* b = v.c_.data();
    double s = 0.0;
    for (std::size_t i = 0; i < n; ++i) s += a[i] * b[i];
    return s;
}

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
