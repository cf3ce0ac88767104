#pragma once

#include <cstdint>

#include "numerics/Vect.h"

// Uniform draws from the C library's generator rand(): whichever rand() the
// program links, the C library's own or the lock-free one of
// quorvex::fastrand (numerics/FastRand.cpp), which gives the same sequence.
// Neither function seeds it: the viewers seed once from the clock,
// everything else runs reproducibly from the default seed.

// a + (r / 2147483647.0) * (b - a) for one value r of std::rand().
double rand(double const& a, double const& b);

namespace randStream {
// Consumes n values of std::rand() unused. The engine's own version calls
// std::rand() n times; quorvex::fastrand replaces it (this one is weak) by
// one that only counts them, for its rand() to skip when it is next called.
void skip(std::uint64_t n);
// randVect for an amplitude other than 0.
Vect drawVect(double amp, unsigned int n);
}  // namespace randStream

// n components uniform in [-amp, amp], component i being
// (r_i / 2147483647.0) * (2 * amp) - amp for the next value r_i of
// std::rand(), drawn in order. Always consumes exactly n values, also when
// amp is 0: every component is then +0.0, which the formula gives for every
// r, and the values are only skipped. A NaN amplitude draws as any other.
inline Vect randVect(double amp, unsigned int n) {
    if (amp == 0.0) {
        randStream::skip(n);
        return Vect(n);
    }
    return randStream::drawVect(amp, n);
}
