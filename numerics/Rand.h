#pragma once

#include <cstdlib>

#include "numerics/Vect.h"

// Uniform draws from the C library's generator. Neither function seeds it:
// the viewers seed once from the clock, everything else runs reproducibly
// from the default seed.

// a + (r / 2147483647.0) * (b - a) for one value r of std::rand().
double rand(double const& a, double const& b);

// n components uniform in [-amp, amp], drawn in order; always consumes
// exactly n values of the generator, also when amp is 0.
Vect randVect(double amp, unsigned int n);
