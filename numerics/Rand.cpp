#include "numerics/Rand.h"

namespace {
// The divisor is fixed, whatever RAND_MAX is on the platform.
constexpr double randDivisor = 2147483647.0;
}  // namespace

double rand(double const& a, double const& b) {
    double const r = std::rand();
    return a + (r / randDivisor) * (b - a);
}

Vect randVect(double amp, unsigned int n) {
    Vect v(n);
    for (unsigned int i = 0; i < n; ++i) {
        double const r = std::rand();
        v.set(i, (r / randDivisor) * (2 * amp) - amp);
    }
    return v;
}
