#include "numerics/Rand.h"

#include <cstdlib>

namespace {
// The divisor is fixed, whatever RAND_MAX is on the platform.
constexpr double randDivisor = 2147483647.0;
}  // namespace

double rand(double const& a, double const& b) {
    double const r = std::rand();
    return a + (r / randDivisor) * (b - a);
}

Vect randStream::drawVect(double amp, unsigned int n) {
    Vect v(n);
    double* c = v.data();
    for (unsigned int i = 0; i < n; ++i) {
        double const r = std::rand();
        c[i] = (r / randDivisor) * (2 * amp) - amp;
    }
    return v;
}

[[gnu::weak]] void randStream::skip(std::uint64_t n) {
    for (; n != 0; --n) std::rand();
}
